// SPDX-License-Identifier: MIT
#include "wake/sockets.h"

namespace sockets {

int WSAStartup() {
  WSADATA description;  // not examined
  return ::WSAStartup(MAKEWORD(1, 1), &description);
}

int WSACleanup() { return ::WSACleanup(); }

Socket socket(int family, int type, int protocol) { return ::socket(family, type, protocol); }

int setsockopt(Socket socket, int level, int name, const void* value, int length) {
  return ::setsockopt(socket, level, name, static_cast<const char*>(value), length);
}

int bind(Socket socket, const sockaddr* address, int length) { return ::bind(socket, address, length); }

int sendto(Socket socket, const void* data, int length, int flags, const sockaddr* to, int toLength) {
  return ::sendto(socket, static_cast<const char*>(data), length, flags, to, toLength);
}

int closesocket(Socket socket) { return ::closesocket(socket); }

int WSAGetLastError() { return ::WSAGetLastError(); }

}  // namespace sockets
