// A stand-in for WSOCK32.DLL that writes down the calls the program makes to
// it, for the end-to-end tests under Wine (tests/e2e/sender.sh): it exports
// every call the program imports from WSOCK32.DLL, undecorated as the real
// library does, appends the name of each call made but htons and htonl, one
// line each, to the file that WECKWERK_WSOCK32_CALLS names, and hands it on to
// WS2_32.DLL, the Windows Sockets that WSOCK32.DLL's calls lead to. Where
// WECKWERK_WSOCK32_STARTUP_FAILS is set, WSAStartup fails with
// WSASYSNOTREADY instead, a failure no system call can bring about.

// winsock.h declares the calls, here as this library's exports.
#define WINSOCK_API_LINKAGE __declspec(dllexport)
#include <windows.h>
#include <winsock.h>

namespace {

void Record(const char* call) {
  char path[MAX_PATH];
  const DWORD length = GetEnvironmentVariableA("WECKWERK_WSOCK32_CALLS", path, sizeof path);
  if (length == 0 || length >= sizeof path) return;
  const HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written;
  WriteFile(file, call, lstrlenA(call), &written, nullptr);
  WriteFile(file, "\n", 1, &written, nullptr);
  CloseHandle(file);
}

// HandOn(&call, "call"): records the call and returns WS2_32.DLL's call of
// that name, of the same type. The last error is kept: WSAGetLastError
// reads it.
template <typename Call>
Call HandOn(Call, const char* name) {
  const DWORD error = GetLastError();
  Record(name);
  SetLastError(error);
  return reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(LoadLibraryA("ws2_32.dll"), name)));
}

}  // namespace

extern "C" {

int WINAPI WSAStartup(WORD version, LPWSADATA description) {
  if (GetEnvironmentVariableA("WECKWERK_WSOCK32_STARTUP_FAILS", nullptr, 0) != 0) {
    Record("WSAStartup");
    return WSASYSNOTREADY;
  }
  return HandOn(&WSAStartup, "WSAStartup")(version, description);
}

int WINAPI WSACleanup() { return HandOn(&WSACleanup, "WSACleanup")(); }

int WINAPI WSAGetLastError() { return HandOn(&WSAGetLastError, "WSAGetLastError")(); }

SOCKET WINAPI socket(int family, int type, int protocol) {
  return HandOn(&socket, "socket")(family, type, protocol);
}

int WINAPI setsockopt(SOCKET socket, int level, int name, const char* value, int length) {
  return HandOn(&setsockopt, "setsockopt")(socket, level, name, value, length);
}

int WINAPI bind(SOCKET socket, const sockaddr* address, int length) {
  return HandOn(&bind, "bind")(socket, address, length);
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
