#include "cli/messages.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>

#include "cli/console.h"

namespace {

// No message is longer, the failure report with the longest error number
// included.
constexpr int kLongestMessage = 160;

// Large enough for the longest run's whole output, so that a file or a pipe
// gets it in one write at exit.
char stdoutBuffer[4096];
char stderrBuffer[4096];

// The C library flushes its streams at exit in an order of its own.
void FlushStdoutFirst() {
  std::fflush(stdout);
  std::fflush(stderr);
}

void SetUpStream(std::FILE* stream, char* buffer, std::size_t size) {
  if (IsTerminal(stream)) {
    std::setvbuf(stream, nullptr, _IONBF, 0);
  } else {
    std::setvbuf(stream, buffer, _IOFBF, size);
  }
}

}  // namespace

void SetUpOutput() {
  SurviveMissingReader();
  SetUpStream(stdout, stdoutBuffer, sizeof stdoutBuffer);
  SetUpStream(stderr, stderrBuffer, sizeof stderrBuffer);
  std::atexit(FlushStdoutFirst);
}

void Print(std::FILE* stream, const char* format, ...) {
  // A text without conversions goes out as it is: formatting it would cost
  // more than the sockets calls of the run.
  if (std::strchr(format, '%') == nullptr) {
    std::fputs(format, stream);
    return;
  }
  // Formatted first and handed over whole: some C libraries' printf (Wine's
  // msvcrt) writes pieces of a buffered stream out early.
  char message[kLongestMessage + 1];
  std::va_list args;
  va_start(args, format);
  // The analyzer does not see va_start fill a va_list that is an array type.
  std::vsnprintf(message, sizeof message, format, args);  // NOLINT(clang-analyzer-valist.Uninitialized)
  va_end(args);
  std::fputs(message, stream);
}

void PrintEchoByte(std::uint8_t byte) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  const char text[] = {kHexDigits[byte >> 4], kHexDigits[byte & 0xF], '-', '\0'};
  std::fputs(text, stdout);
}
