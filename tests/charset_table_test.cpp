#include "output/posix/charset_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "hex_bytes.h"

namespace {

// Ends the command that names the table's rows, adds every name and alias
// of glibc's charmaps (localedef -f takes either) and SUPPORTED's sets, and
// writes each name, then as glibc normalizes it in a locale's name
// ("iso88592", "iso437"), with the u-umlaut glibc's iconv writes there.
constexpr char kLocaleCharsets[] =
    "; for f in /usr/share/i18n/charmaps/*.gz; do zcat \"$f\" 2>/dev/null | sed -n '/^CHARMAP/q; "
    "s/^<code_set_name> *//p; s/^% alias *//p'; done; cut -d' ' -f2 /usr/share/i18n/SUPPORTED; } | sort -u |"
    " while read -r name; do umlaut=$(printf '\\303\\274' | iconv -f UTF-8 -t \"$name\" 2>/dev/null | od -An "
    "-tx1);"
    " echo \"$name ${umlaut:-none}\"; done |"
    " sed 's/ .*/\\U&/; p; h; s/ .*//; s/[^[:alnum:]]//g; s/.*/\\L&/; s/^[0-9]*$/iso&/; G; s/\\n[^ ]*//'";

// The single files write what the table says; the programs on glibc what
// iconv says. Both agree for every row and every set a locale can name, so
// a row missing fails here (its locales would get "ue").
TEST(CharsetTable, SpellsUmlautUAsIconvDoesInEveryLocaleCharset) {
  std::string command = "{ printf '%s\\n'";
  for (std::size_t i = 0; i < kUmlautUByCharsetRows; ++i)
    command += std::string(" ") + kUmlautUByCharset[i].charsets;
  std::FILE* list = popen((command + kLocaleCharsets).c_str(), "r");  // NOLINT(cert-env33-c)
  ASSERT_NE(list, nullptr);
  int count = 0;
  for (char written[64], want[64]; std::fscanf(list, "%63s %63[^\n]", written, want) == 2; ++count) {
    const char* spelling = UmlautUInCharset(written, std::strlen(written));
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(spelling);
    EXPECT_EQ(spelling == nullptr ? "NONE" : HexBytes(bytes, std::strlen(spelling)), want) << written;
  }
  pclose(list);
  EXPECT_GT(count, 1000);
}

}  // namespace
