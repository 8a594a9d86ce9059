// SPDX-License-Identifier: MIT
// A stand-in for WSOCK32.DLL that writes down the calls the program makes to
// it, for the end-to-end tests under Wine (tests/e2e/sender.sh): it exports
// every call the program imports from WSOCK32.DLL, undecorated as the real
// library does, appends the name of each call made but htons and htonl, one
// line each (WSAStartup's with the version asked for: "WSAStartup 1.1"), to
// the file that WECKWERK_WSOCK32_CALLS names, and hands it on to WS2_32.DLL,
// the Windows Sockets that WSOCK32.DLL's calls lead to. The call that
// WECKWERK_WSOCK32_FAILS names ("CALL ERROR") fails instead, with that error.

// winsock.h declares the calls, here as this library's exports.
#define WINSOCK_API_LINKAGE __declspec(dllexport)
#include <windows.h>
#include <winsock.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void Record(const char* line) {
  const char* path = std::getenv("WECKWERK_WSOCK32_CALLS");
  std::FILE* file = path != nullptr ? std::fopen(path, "ab") : nullptr;
  if (file != nullptr) std::fprintf(file, "%s\n", line);
  if (file != nullptr) std::fclose(file);
}

// The error that WECKWERK_WSOCK32_FAILS gives the call, also made the last
// error; 0 where it names another call.
int Failure(const char* call) {
  const char* failure = std::getenv("WECKWERK_WSOCK32_FAILS");
  const std::size_t name = std::strlen(call);
  if (failure == nullptr || std::strncmp(failure, call, name) != 0 || failure[name] != ' ') return 0;
  const int error = static_cast<int>(std::strtol(failure + name + 1, nullptr, 10));
  SetLastError(error);
  return error;
}

// HandOn(&call, "call"[, "line"]): records the call (as line, where given)
// and returns WS2_32.DLL's call of that name, of the same type. The last
// error is kept: WSAGetLastError reads it.
template <typename Call>
Call HandOn(Call /*call*/, const char* name, const char* line = nullptr) {
  const DWORD error = GetLastError();
  Record(line != nullptr ? line : name);
  SetLastError(error);
  return reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(LoadLibraryA("ws2_32.dll"), name)));
}

}  // namespace

extern "C" {

int WINAPI WSAStartup(WORD version, LPWSADATA description) {
  char call[32];
  std::snprintf(call, sizeof call, "WSAStartup %u.%u", LOBYTE(version), HIBYTE(version));
  const auto startup = HandOn(&WSAStartup, "WSAStartup", call);
  const int error = Failure("WSAStartup");
  return error != 0 ? error : startup(version, description);
}

int WINAPI WSACleanup() { return HandOn(&WSACleanup, "WSACleanup")(); }

int WINAPI WSAGetLastError() { return HandOn(&WSAGetLastError, "WSAGetLastError")(); }

SOCKET WINAPI socket(int family, int type, int protocol) {
  const auto call = HandOn(&socket, "socket");
  return Failure("socket") != 0 ? INVALID_SOCKET : call(family, type, protocol);
}

int WINAPI setsockopt(SOCKET socket, int level, int name, const char* value, int length) {
  const auto call = HandOn(&setsockopt, "setsockopt");
  return Failure("setsockopt") != 0 ? SOCKET_ERROR : call(socket, level, name, value, length);
}

int WINAPI bind(SOCKET socket, const sockaddr* address, int length) {
  const auto call = HandOn(&bind, "bind");
  return Failure("bind") != 0 ? SOCKET_ERROR : call(socket, address, length);
}

int WINAPI sendto(SOCKET socket, const char* data, int length, int flags, const sockaddr* to, int toLength) {
  return HandOn(&sendto, "sendto")(socket, data, length, flags, to, toLength);
}

int WINAPI closesocket(SOCKET socket) { return HandOn(&closesocket, "closesocket")(socket); }

// The byte-order helpers, computed here and not recorded: no system call
// stands behind them.
u_short WINAPI htons(u_short value) { return static_cast<u_short>(value << 8 | value >> 8); }

u_long WINAPI htonl(u_long value) {
  return value << 24 | (value & 0xff00) << 8 | (value >> 8 & 0xff00) | value >> 24;
}

}  // extern "C"
