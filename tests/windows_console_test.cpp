// SPDX-License-Identifier: MIT
#include <fcntl.h>
#include <gtest/gtest.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "output/console.h"

namespace {

// The one stream that leaves the console for a case, as `>file` or `2>nul`
// would send it.
enum Elsewhere { kNeither, kStdoutToFile, kStderrToNul };

const char* Describe(Elsewhere elsewhere) {
  switch (elsewhere) {
    case kStdoutToFile:
      return "standard output to a file";
    case kStderrToNul:
      return "the error stream to NUL";
    default:
      return "both streams on the console";
  }
}

// UmlautU with the stream sent elsewhere meanwhile; both streams are back on
// the console before the caller checks, so that GoogleTest's output shows.
std::string UmlautUWith(Elsewhere elsewhere) {
  if (elsewhere == kNeither) return UmlautU();
  std::FILE* const stream = elsewhere == kStdoutToFile ? stdout : stderr;
  char file[MAX_PATH] = "NUL";
  char folder[MAX_PATH];
  if (elsewhere == kStdoutToFile &&
      (GetTempPathA(MAX_PATH, folder) == 0 || GetTempFileNameA(folder, "wkw", 0, file) == 0))
    return "no temporary file";
  const int target = _open(file, _O_WRONLY | _O_TRUNC);
  if (target == -1) return std::string("cannot open ") + file;
  std::fflush(stream);
  const int console = _dup(_fileno(stream));
  _dup2(target, _fileno(stream));
  std::string spelling = UmlautU();
  _dup2(console, _fileno(stream));
  _close(console);
  _close(target);
  if (elsewhere == kStdoutToFile) DeleteFileA(file);
  return spelling;
}

// Runs on a console: in a pseudo-terminal, Wine gives the program one.
TEST(WindowsConsole, UmlautUFollowsTheOutputCodePage) {
  ASSERT_TRUE(IsTerminal(stdout)) << "standard output is not a console";
  ASSERT_TRUE(IsTerminal(stderr)) << "the error stream is not a console";
  const UINT original = GetConsoleOutputCP();
  const struct {
    Elsewhere elsewhere;
    UINT codePage;
    const char* umlautU;
    DWORD conversionFlags;
  } kCases[] = {
      {kNeither, 437, "\x81", WC_NO_BEST_FIT_CHARS},
      {kNeither, 850, "\x81", WC_NO_BEST_FIT_CHARS},
      {kNeither, 1252, "\xFC", WC_NO_BEST_FIT_CHARS},
      {kNeither, 65001, "\xC3\xBC", 0},
      {kNeither, 866, "ue", WC_NO_BEST_FIT_CHARS},
      // A file gets the program's own byte, whatever the console's code page.
      {kStdoutToFile, 1252, "\x81", WC_NO_BEST_FIT_CHARS},
      {kStdoutToFile, 65001, "\x81", 0},
      {kStdoutToFile, 866, "\x81", WC_NO_BEST_FIT_CHARS},
      // Standard output alone names the console whose code page counts.
      {kStderrToNul, 1252, "\xFC", WC_NO_BEST_FIT_CHARS},
      {kStderrToNul, 65001, "\xC3\xBC", 0},
      {kStderrToNul, 866, "ue", WC_NO_BEST_FIT_CHARS},
  };
  for (const auto& c : kCases) {
    ASSERT_TRUE(SetConsoleOutputCP(c.codePage)) << c.codePage;
    EXPECT_EQ(UmlautUWith(c.elsewhere), c.umlautU) << c.codePage << ", " << Describe(c.elsewhere);
    EXPECT_EQ(ConversionFlags(c.codePage), c.conversionFlags) << c.codePage;
  }
  SetConsoleOutputCP(original);
}

}  // namespace
