// SPDX-License-Identifier: MIT
#ifndef WECKWERK_WAKE_SOCKETS_H
#define WECKWERK_WAKE_SOCKETS_H

// The Windows Sockets 1.1 calls that the sender makes, under their Winsock
// names, with one source file per platform. On POSIX there is no library to
// start or clean up, closesocket is close, the error number is errno taken
// right after the failed call, and both failure values are -1.

#ifdef _WIN32
#include <winsock.h>
using Socket = SOCKET;
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
using Socket = int;
constexpr Socket INVALID_SOCKET = -1;
constexpr int SOCKET_ERROR = -1;
#endif

namespace sockets {

// Starts the library, asking for version 1.1; returns 0 or the error number.
int WSAStartup();
int WSACleanup();
Socket socket(int family, int type, int protocol);
int setsockopt(Socket socket, int level, int name, const void* value, int length);
int bind(Socket socket, const sockaddr* address, int length);
int sendto(Socket socket, const void* data, int length, int flags, const sockaddr* to, int toLength);
int closesocket(Socket socket);
// The error number of the calling thread's last failed call.
int WSAGetLastError();

}  // namespace sockets

#endif
