#include "wake/console.h"

#include <langinfo.h>
#include <unistd.h>

#include <clocale>

bool IsTerminal(std::FILE* stream) { return isatty(fileno(stream)) == 1; }

const char* OutputCharset() {
  // Only the notices need this, so the locale is loaded only for them.
  std::setlocale(LC_CTYPE, "");
  return nl_langinfo(CODESET);
}
