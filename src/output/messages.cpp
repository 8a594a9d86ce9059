// SPDX-License-Identifier: MIT
#include "output/messages.h"

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

// A message is made whole and handed over at once: some C libraries (Wine's
// msvcrt) write pieces of a buffered stream out early. The longest, a report
// with the most negative error number, takes under a hundred bytes.
constexpr size_t kMessageSize = 256;

// Appends text to the message at *end, as far as it fits before its last
// byte, which is kept for the NUL.
void Append(char** end, const char* last, const char* text) {
  while (*text != '\0' && *end < last) *(*end)++ = *text++;
}

// By hand, not with the C library's printf, whose floating-point formatter
// would need soft-float helper routines on MIPS that the MIPS single files
// link from no library (CONTRIBUTING.md).
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

// Writes text on stream as one message, its "%s" filled with texts in turn
// and its "%d" with number (the program's own texts hold no other "%").
void PrintFilled(FILE* stream, const char* text, const char* const* texts, int number) {
  char message[kMessageSize];
  char* end = message;
  const char* const last = message + sizeof message - 1;
  for (; *text != '\0'; ++text) {
    if (text[0] == '%' && text[1] == 's') {
      Append(&end, last, *texts++);
      ++text;
    } else if (text[0] == '%' && text[1] == 'd') {
      AppendNumber(&end, last, number);
      ++text;
    } else if (end < last) {
      *end++ = *text;
    }
  }
  *end = '\0';
  Print(stream, message);
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

void PrintNotice(const char* notice, const char* umlautU) {
  const char* const texts[] = {umlautU};
  PrintFilled(stdout, notice, texts, 0);
}

void PrintCallFailed(const char* call, const char* routine, int error) {
  const char* const texts[] = {call, routine};
  PrintFilled(stderr, kCallFailedReport, texts, error);
}

void PrintEchoByte(uint8_t byte) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  const char text[] = {kHexDigits[byte >> 4], kHexDigits[byte & 0xF], '-', '\0'};
  Print(stdout, text);
}
