#include "cli/messages.h"

#include <cstdarg>
#include <cstdlib>

#include "wake/console.h"

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

// Upper-case ASCII letters and digits of a character set's name, so that
// "utf8", "UTF-8" and "Utf_8" compare equal.
bool SameCharsetName(const char* name, const char* canonical) {
  for (;; ++name) {
    char c = *name;
    if (c == '-' || c == '_' || c == ' ') continue;
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != *canonical) return false;
    if (c == '\0') return true;
    ++canonical;
  }
}

constexpr char kUtf8UmlautU[] = "\xC3\xBC";
constexpr char kLatinUmlautU[] = "\xFC";
constexpr char kDosUmlautU[] = "\x81";

const struct {
  const char* charset;
  const char* umlautU;
} kUmlautSpellings[] = {
    {"UTF8", kUtf8UmlautU},       {"CP65001", kUtf8UmlautU},   {"ISO88591", kLatinUmlautU},
    {"ISO885915", kLatinUmlautU}, {"ISO88592", kLatinUmlautU}, {"LATIN1", kLatinUmlautU},
    {"LATIN9", kLatinUmlautU},    {"CP28591", kLatinUmlautU},  {"CP28592", kLatinUmlautU},
    {"CP28605", kLatinUmlautU},   {"CP1250", kLatinUmlautU},   {"CP1252", kLatinUmlautU},
    {"CP1254", kLatinUmlautU},    {"CP1257", kLatinUmlautU},   {"IBM437", kDosUmlautU},
    {"CP437", kDosUmlautU},       {"IBM850", kDosUmlautU},     {"CP850", kDosUmlautU},
    {"CP852", kDosUmlautU},       {"CP857", kDosUmlautU},      {"CP858", kDosUmlautU},
    {"CP860", kDosUmlautU},       {"CP861", kDosUmlautU},      {"CP863", kDosUmlautU},
    {"CP865", kDosUmlautU},       {"CP775", kDosUmlautU},
};

}  // namespace

void SetUpOutput() {
  SetUpStream(stdout, stdoutBuffer, sizeof stdoutBuffer);
  SetUpStream(stderr, stderrBuffer, sizeof stderrBuffer);
  std::atexit(FlushStdoutFirst);
}

void Print(std::FILE* stream, const char* format, ...) {
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

const char* SpellUmlautU(const char* charset) {
  for (const auto& spelling : kUmlautSpellings) {
    // cppcheck-suppress useStlAlgorithm ; a table lookup reads best as a loop
    if (SameCharsetName(charset, spelling.charset)) return spelling.umlautU;
  }
  return "ue";
}
