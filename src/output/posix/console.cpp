// SPDX-License-Identifier: MIT
#include "output/console.h"

#include <signal.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#ifdef __GLIBC__
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>
#include <stdint.h>
#else
#include "output/posix/charset_table.h"
#endif

void SurviveMissingReader() { signal(SIGPIPE, SIG_IGN); }

bool IsTerminal(FILE* stream) { return isatty(fileno(stream)) == 1; }

#ifdef __GLIBC__

// glibc reads the locale's character set from the locale's files (the C
// locale where they are missing), and converts with iconv.
const char* UmlautU() {
  // Only the notices need this, so the locale is loaded only for them.
  setlocale(LC_CTYPE, "");
  iconv_t converter = iconv_open(nl_langinfo(CODESET), "UTF-8");
  // iconv_open fails with (iconv_t)-1.
  if (reinterpret_cast<intptr_t>(converter) == -1) return "ue";
  // Room to spare: UTF-8 spells it in two bytes, EUC-JP in three, and the
  // character sets with shift sequences in a few more.
  static char spelling[32];
  char utf8[] = "\xC3\xBC";
  char* in = utf8;
  size_t inLeft = strlen(utf8);
  char* out = spelling;
  size_t outLeft = sizeof spelling - 1;
  // A result above 0 counts characters replaced by a substitute. The second
  // call ends a shift sequence in the character sets that have them.
  const bool exact = iconv(converter, &in, &inLeft, &out, &outLeft) == 0 &&
                     iconv(converter, nullptr, nullptr, &out, &outLeft) == 0;
  iconv_close(converter);
  *out = '\0';
  // A NUL byte inside would cut the notice short.
  return exact && strlen(spelling) == static_cast<size_t>(out - spelling) ? spelling : "ue";
}

#else

namespace {

// The locale's name, as the first of LC_ALL, LC_CTYPE and LANG that is set
// and not empty gives it, or "".
const char* LocaleName() {
  const char* const variables[] = {"LC_ALL", "LC_CTYPE", "LANG"};
  for (const char* variable : variables) {
    const char* value = getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return "";
}

}  // namespace

// musl has no locale files and says UTF-8 for every locale but C, so the
// character set is the one the locale's name gives after its "." (up to a
// modifier such as "@euro"), looked up in a table: no iconv and none of its
// tables in the program.
const char* UmlautU() {
  const char* dot = strchr(LocaleName(), '.');
  if (dot == nullptr) return "ue";
  const char* spelling = UmlautUInCharset(dot + 1, strcspn(dot + 1, "@"));
  return spelling != nullptr ? spelling : "ue";
}

#endif
