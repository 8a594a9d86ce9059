// SPDX-License-Identifier: MIT
#include "fake_sockets.h"

#include <cstdio>
#include <cstring>

#include "wake/sockets.h"

const char* fakeFailingCall = "";
int fakeError = 0;

namespace {

// Only the calls after start-up set it, as in Windows Sockets.
int lastError = 0;

bool Fails(const char* call) { return std::strcmp(call, fakeFailingCall) == 0; }

// Whether the call fails; a failed call leaves fakeError for WSAGetLastError.
bool FailsWithLastError(const char* call) {
  if (!Fails(call)) return false;
  lastError = fakeError;
  return true;
}

// "a.b.c.d:port, length", or "?" for anything but an IPv4 address.
void LogAddress(const sockaddr* address, int length) {
  const auto* ipv4 = reinterpret_cast<const sockaddr_in*>(address);
  const auto* ip = reinterpret_cast<const unsigned char*>(&ipv4->sin_addr);
  if (ipv4->sin_family != AF_INET) {
    std::fprintf(stderr, "?");
    return;
  }
  std::fprintf(stderr, "%u.%u.%u.%u:%u, %d", ip[0], ip[1], ip[2], ip[3], ntohs(ipv4->sin_port), length);
}

}  // namespace

namespace sockets {

int WSAStartup() {
  std::fprintf(stderr, "WSAStartup\n");
  return Fails("WSAStartup") ? fakeError : 0;
}

int WSACleanup() {
  std::fprintf(stderr, "WSACleanup\n");
  return 0;
}

Socket socket(int family, int type, int protocol) {
  const bool expected = family == AF_INET && type == SOCK_DGRAM && protocol == 0;
  std::fprintf(stderr, "socket(%s)\n", expected ? "AF_INET, SOCK_DGRAM, 0" : "?");
  return FailsWithLastError("socket") ? INVALID_SOCKET : kFakeSocket;
}

int setsockopt(Socket socket, int level, int name, const void* value, int length) {
  int option = 0;
  if (length == static_cast<int>(sizeof option)) std::memcpy(&option, value, sizeof option);
  std::fprintf(stderr, "setsockopt(%d, %s, %d, %d)\n", static_cast<int>(socket),
               level == SOL_SOCKET && name == SO_BROADCAST ? "SOL_SOCKET, SO_BROADCAST" : "?", option,
               length);
  return FailsWithLastError("setsockopt") ? SOCKET_ERROR : 0;
}

int bind(Socket socket, const sockaddr* address, int length) {
  std::fprintf(stderr, "bind(%d, ", static_cast<int>(socket));
  LogAddress(address, length);
  std::fprintf(stderr, ")\n");
  return FailsWithLastError("bind") ? SOCKET_ERROR : 0;
}

int sendto(Socket socket, const void* /*data*/, int length, int flags, const sockaddr* to, int toLength) {
  std::fprintf(stderr, "sendto(%d, %d bytes, flags %d, ", static_cast<int>(socket), length, flags);
  LogAddress(to, toLength);
  std::fprintf(stderr, ")\n");
  return FailsWithLastError("sendto") ? SOCKET_ERROR : length;
}

int closesocket(Socket socket) {
  std::fprintf(stderr, "closesocket(%d)\n", static_cast<int>(socket));
  return 0;
}

int WSAGetLastError() { return lastError; }

}  // namespace sockets
