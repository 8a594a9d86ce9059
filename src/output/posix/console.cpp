#include "output/console.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>
#include <signal.h>
#include <stdint.h>
#include <string.h>
#include <unistd.h>

void SurviveMissingReader() { signal(SIGPIPE, SIG_IGN); }

bool IsTerminal(FILE* stream) { return isatty(fileno(stream)) == 1; }

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
