#include "output/messages.h"

#include <algorithm>
#include <cstdarg>
#include <cstdlib>
#include <limits>

#include "output/console.h"

namespace {

// The longest text of a "%d": a sign and every digit of an int.
constexpr std::size_t kLongestNumber = std::numeric_limits<int>::digits10 + 2;

// The longest message a format can give: its own characters, each "%s" and
// "%d" as long as the longest it receives.
constexpr std::size_t LongestMessage(const char* format) {
  std::size_t length = 0;
  for (; *format != '\0'; ++format) {
    if (format[0] == '%' && format[1] == 's') {
      length += kLongestInsertedText;
      ++format;
    } else if (format[0] == '%' && format[1] == 'd') {
      length += kLongestNumber;
      ++format;
    } else {
      ++length;
    }
  }
  return length;
}

constexpr std::size_t kLongestFormatted = std::max(
    {LongestMessage(kUsageNotice), LongestMessage(kFormatErrorNotice), LongestMessage(kCallFailedReport)});

// A file or a pipe gets a run's whole output in one write at exit.
char stdoutBuffer[4096];
char stderrBuffer[4096];
// The longest output is that of an incomplete address.
static_assert(LongestMessage(kBannerLine1) + LongestMessage(kBannerLine2) + LongestMessage(kFormatError) +
                      LongestMessage(kUsageLine1) + LongestMessage(kUsageLine2) +
                      LongestMessage(kUsageLine3) + LongestMessage(kFormatErrorNotice) <=
                  sizeof stdoutBuffer,
              "standard output's buffer holds the longest run's output");

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

// fputs hands an unbuffered stream its text in one write.
void Print(std::FILE* stream, const char* text) { std::fputs(text, stream); }

void PrintFormatted(std::FILE* stream, const char* format, ...) {
  // Formatted first and handed over whole: some C libraries' printf (Wine's
  // msvcrt) writes pieces of a buffered stream out early.
  char message[kLongestFormatted + 1];
  std::va_list args;
  va_start(args, format);
  // The analyzer does not see va_start fill a va_list that is an array type.
  std::vsnprintf(message, sizeof message, format, args);  // NOLINT(clang-analyzer-valist.Uninitialized)
  va_end(args);
  Print(stream, message);
}

void PrintEchoByte(std::uint8_t byte) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  const char text[] = {kHexDigits[byte >> 4], kHexDigits[byte & 0xF], '-', '\0'};
  Print(stdout, text);
}
