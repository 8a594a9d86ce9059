#include "output/messages.h"

#include <stdarg.h>
#include <stdlib.h>

#include "output/console.h"

namespace {

// A file or a pipe gets a run's whole output in one write at exit.
char stdoutBuffer[4096];
char stderrBuffer[4096];

// The C library flushes its streams at exit in an order of its own.
void FlushStdoutFirst() {
  fflush(stdout);
  fflush(stderr);
}

void SetUpStream(FILE* stream, char* buffer, size_t size) {
  if (IsTerminal(stream)) {
    setvbuf(stream, nullptr, _IONBF, 0);
  } else {
    setvbuf(stream, buffer, _IOFBF, size);
  }
}

// Appends text to the message at *end, as far as it fits before its last
// byte, which is kept for the NUL.
void Append(char** end, const char* last, const char* text) {
  while (*text != '\0' && *end < last) *(*end)++ = *text++;
}

// The decimal digits of an int, with a sign where it is negative.
void AppendNumber(char** end, const char* last, int number) {
  char digits[16];
  char* first = digits + sizeof digits;
  *--first = '\0';
  // Unsigned, so that the most negative int has its digits too.
  unsigned magnitude = number < 0 ? 0U - static_cast<unsigned>(number) : static_cast<unsigned>(number);
  do {
    *--first = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (number < 0) *--first = '-';
  Append(end, last, first);
}

}  // namespace

void SetUpOutput() {
  SurviveMissingReader();
  SetUpStream(stdout, stdoutBuffer, sizeof stdoutBuffer);
  SetUpStream(stderr, stderrBuffer, sizeof stderrBuffer);
  atexit(FlushStdoutFirst);
}

// fputs hands an unbuffered stream its text in one write.
void Print(FILE* stream, const char* text) { fputs(text, stream); }

// By hand, as PrintEchoByte, not with the C library's printf, whose
// floating-point formatter would need soft-float helper routines on MIPS
// that the MIPS single files link from no library (CONTRIBUTING.md). The
// messages need only "%s" and "%d".
void PrintCheckedFormat(FILE* stream, const char* format, ...) {
  // Formatted first and handed over whole: some C libraries (Wine's msvcrt)
  // write pieces of a buffered stream out early.
  char message[512];
  char* end = message;
  const char* const last = message + sizeof message - 1;
  va_list args;
  va_start(args, format);
  // The analyzer does not see va_start fill a va_list that is an array type.
  // NOLINTBEGIN(clang-analyzer-valist.Uninitialized)
  for (; *format != '\0'; ++format) {
    if (format[0] == '%' && format[1] == 's') {
      const char* text = va_arg(args, const char*);
      Append(&end, last, text != nullptr ? text : "(null)");
      ++format;
    } else if (format[0] == '%' && format[1] == 'd') {
      AppendNumber(&end, last, va_arg(args, int));
      ++format;
    } else if (end < last) {
      *end++ = *format;
    }
  }
  // NOLINTEND(clang-analyzer-valist.Uninitialized)
  va_end(args);
  *end = '\0';
  Print(stream, message);
}

void PrintEchoByte(uint8_t byte) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  const char text[] = {kHexDigits[byte >> 4], kHexDigits[byte & 0xF], '-', '\0'};
  Print(stdout, text);
}
