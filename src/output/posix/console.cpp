#include "output/console.h"

#include <iconv.h>
#include <langinfo.h>
#include <unistd.h>

#include <clocale>
#include <csignal>
#include <cstdint>
#include <cstring>

#include "output/messages.h"

void SurviveMissingReader() { std::signal(SIGPIPE, SIG_IGN); }

bool IsTerminal(std::FILE* stream) { return isatty(fileno(stream)) == 1; }

const char* UmlautU() {
  // Only the notices need this, so the locale is loaded only for them.
  std::setlocale(LC_CTYPE, "");
  iconv_t converter = iconv_open(nl_langinfo(CODESET), "UTF-8");
  // iconv_open fails with (iconv_t)-1.
  if (reinterpret_cast<std::intptr_t>(converter) == -1) return "ue";
  static char spelling[kLongestInsertedText + 1];
  char utf8[] = "\xC3\xBC";
  char* in = utf8;
  std::size_t inLeft = std::strlen(utf8);
  char* out = spelling;
  std::size_t outLeft = sizeof spelling - 1;
  // A result above 0 counts characters replaced by a substitute. The second
  // call ends a shift sequence in the character sets that have them.
  const bool exact = iconv(converter, &in, &inLeft, &out, &outLeft) == 0 &&
                     iconv(converter, nullptr, nullptr, &out, &outLeft) == 0;
  iconv_close(converter);
  *out = '\0';
  // A NUL byte inside would cut the notice short.
  return exact && std::strlen(spelling) == static_cast<std::size_t>(out - spelling) ? spelling : "ue";
}
