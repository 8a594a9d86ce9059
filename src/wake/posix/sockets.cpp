// SPDX-License-Identifier: MIT
#include "wake/sockets.h"

#include <errno.h>
#include <unistd.h>

namespace sockets {

int WSAStartup() { return 0; }

int WSACleanup() { return 0; }

Socket socket(int family, int type, int protocol) { return ::socket(family, type, protocol); }

int setsockopt(Socket socket, int level, int name, const void* value, int length) {
  return ::setsockopt(socket, level, name, value, static_cast<socklen_t>(length));
}

int bind(Socket socket, const sockaddr* address, int length) {
  return ::bind(socket, address, static_cast<socklen_t>(length));
}

int sendto(Socket socket, const void* data, int length, int flags, const sockaddr* to, int toLength) {
  return static_cast<int>(
      ::sendto(socket, data, static_cast<size_t>(length), flags, to, static_cast<socklen_t>(toLength)));
}

int closesocket(Socket socket) { return ::close(socket); }

int WSAGetLastError() { return errno; }

}  // namespace sockets
