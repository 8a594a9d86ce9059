// A stand-in for WSOCK32.DLL whose WSAStartup fails with WSASYSNOTREADY, for
// the end-to-end test of that failure (tests/e2e/sender.sh). It exports every
// call the program imports from WSOCK32.DLL, undecorated as the real library
// does, and appends the name of each call made, one line each, to the file
// that WECKWERK_WSOCK32_CALLS names. Every call but htons and htonl fails.

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

}  // namespace

extern "C" {

int WINAPI WSAStartup(WORD, LPWSADATA) {
  Record("WSAStartup");
  return WSASYSNOTREADY;
}

int WINAPI WSACleanup() {
  Record("WSACleanup");
  return SOCKET_ERROR;
}

int WINAPI WSAGetLastError() {
  Record("WSAGetLastError");
  return WSANOTINITIALISED;
}

SOCKET WINAPI socket(int, int, int) {
  Record("socket");
  return INVALID_SOCKET;
}

int WINAPI setsockopt(SOCKET, int, int, const char*, int) {
  Record("setsockopt");
  return SOCKET_ERROR;
}

int WINAPI bind(SOCKET, const sockaddr*, int) {
  Record("bind");
  return SOCKET_ERROR;
}

int WINAPI sendto(SOCKET, const char*, int, int, const sockaddr*, int) {
  Record("sendto");
  return SOCKET_ERROR;
}

int WINAPI closesocket(SOCKET) {
  Record("closesocket");
  return SOCKET_ERROR;
}

u_short WINAPI htons(u_short value) {
  Record("htons");
  return static_cast<u_short>(value << 8 | value >> 8);
}

u_long WINAPI htonl(u_long value) {
  Record("htonl");
  return value << 24 | (value & 0xff00) << 8 | (value >> 8 & 0xff00) | value >> 24;
}

}  // extern "C"
