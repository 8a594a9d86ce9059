#include "wake/console.h"

#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>

bool IsTerminal(std::FILE* stream) { return _isatty(_fileno(stream)) != 0; }

const char* OutputCharset() {
  DWORD mode;
  const HANDLE output = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stdout)));
  if (!GetConsoleMode(output, &mode)) return "CP437";  // a file or a pipe: the program's own byte 0x81
  static char name[16];
  std::snprintf(name, sizeof name, "CP%u", static_cast<unsigned>(GetConsoleOutputCP()));
  return name;
}
