// SPDX-License-Identifier: MIT
#ifndef WECKWERK_TESTS_FAKE_SOCKETS_H
#define WECKWERK_TESTS_FAKE_SOCKETS_H

// The sockets layer of the unit tests: it makes no system call, writes each
// call with its arguments as a line on the standard error stream, and fails
// the call named in fakeFailingCall with the error number fakeError: as the
// result of WSAStartup, as the value of WSAGetLastError after the others.
// Like Windows Sockets, WSAStartup leaves WSAGetLastError as it was (0).
extern const char* fakeFailingCall;
extern int fakeError;

// The handle that the fake socket call returns.
constexpr int kFakeSocket = 3;

#endif
