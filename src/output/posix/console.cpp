#include "output/console.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>
#include <signal.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

void SurviveMissingReader() { signal(SIGPIPE, SIG_IGN); }

bool IsTerminal(FILE* stream) { return isatty(fileno(stream)) == 1; }

namespace {

// The character set of the locale that the environment sets for LC_CTYPE,
// or nullptr where it is not known for sure. glibc reads it from the
// locale's files, and takes the C locale where they are missing. musl has
// no such files and reports UTF-8 for every locale but C, so there the
// locale's name tells it after its ".", and a name without one tells none.
const char* LocaleCharset() {
#ifdef __GLIBC__
  // Only the notices need this, so the locale is loaded only for them.
  setlocale(LC_CTYPE, "");
  return nl_langinfo(CODESET);
#else
  const char* name = "";
  const char* const variables[] = {"LC_ALL", "LC_CTYPE", "LANG"};
  for (const char* variable : variables) {
    const char* value = getenv(variable);
    if (value != nullptr && *value != '\0') {
      name = value;
      break;
    }
  }
  const char* dot = strchr(name, '.');
  if (dot == nullptr) return nullptr;
  static char charset[32];
  // A modifier such as "@euro" follows the character set.
  const size_t length = strcspn(dot + 1, "@");
  if (length == 0 || length >= sizeof charset) return nullptr;
  memcpy(charset, dot + 1, length);
  charset[length] = '\0';
  return charset;
#endif
}

}  // namespace

const char* UmlautU() {
  const char* charset = LocaleCharset();
  if (charset == nullptr) return "ue";
  iconv_t converter = iconv_open(charset, "UTF-8");
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
