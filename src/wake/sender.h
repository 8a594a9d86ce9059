// SPDX-License-Identifier: MIT
#ifndef WECKWERK_WAKE_SENDER_H
#define WECKWERK_WAKE_SENDER_H

#include <stdint.h>

#include "wake/sockets.h"

// The destination port: 2304 (0x0900), not 9.
constexpr uint16_t WAKE_PORT = 2304;

// What the run has acquired, for DoCleanup: the socket (INVALID_SOCKET until
// DoUdp stores the result of socket) and whether the library was started.
extern Socket udpSocket;
extern int winsockStarted;

// Each of these returns only on success; any failed call ends the process
// through DoCallFailed.
void DoStartup();
void DoUdp(uint16_t port);
void DoUdpClient(uint16_t port);

// Reports the failed call on the standard error stream, releases what was
// acquired and ends the process with kExitNetworkFailure.
[[noreturn]] void DoCallFailed(const char* routine, const char* call, int32_t error);

// Closes the socket, then shuts the library down, each only if acquired
// and not yet released: a second call does nothing.
void DoCleanup();

#endif
