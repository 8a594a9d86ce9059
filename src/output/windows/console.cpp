// SPDX-License-Identifier: MIT
#include "output/console.h"

#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>

// Windows has no signal for it: the write just fails.
void SurviveMissingReader() {}

// A console has a mode; a file, a pipe or NUL (a character device, which
// _isatty takes for a terminal) has none. _get_osfhandle gives the handle as
// an integer.
bool IsTerminal(FILE* stream) {
  DWORD mode;
  // NOLINTNEXTLINE(performance-no-int-to-ptr)
  return GetConsoleMode(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream))), &mode) != 0;
}

// UTF-8 holds every character, and Windows refuses the flag for it.
DWORD ConversionFlags(UINT codePage) { return codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS; }

const char* UmlautU() {
  // A file or a pipe: the ü of the DOS code pages 437 and 850.
  if (!IsTerminal(stdout)) return "\x81";
  const UINT codePage = GetConsoleOutputCP();
  // Nor does it answer for UTF-8 whether the default character stood in.
  const bool utf8 = codePage == CP_UTF8;
  // Room to spare: UTF-8 spells it in two bytes, EUC-JP in three, and the
  // character sets with shift sequences in a few more.
  static char spelling[32];
  BOOL usedDefault = FALSE;
  const int length = WideCharToMultiByte(codePage, ConversionFlags(codePage), L"\u00FC", 1, spelling,
                                         sizeof spelling - 1, nullptr, utf8 ? nullptr : &usedDefault);
  if (length <= 0 || usedDefault) return "ue";
  spelling[length] = '\0';
  return spelling;
}
