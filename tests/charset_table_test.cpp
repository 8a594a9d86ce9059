#include "output/posix/charset_table.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "hex_bytes.h"

namespace {

// u-umlaut as the C library's iconv writes it in the named set, or why not.
std::string IconvSpelling(const char* charset) {
  iconv_t converter = iconv_open(charset, "UTF-8");
  // iconv_open fails with (iconv_t)-1.
  if (reinterpret_cast<std::intptr_t>(converter) == -1) return "iconv knows no such set";
  char utf8[] = "\xC3\xBC";
  char* in = utf8;
  std::size_t inLeft = 2;
  char spelling[16];
  char* out = spelling;
  std::size_t outLeft = sizeof spelling;
  const bool exact = iconv(converter, &in, &inLeft, &out, &outLeft) == 0 &&
                     iconv(converter, nullptr, nullptr, &out, &outLeft) == 0;
  iconv_close(converter);
  if (!exact) return "iconv has no u-umlaut there";
  return HexBytes(reinterpret_cast<const std::uint8_t*>(spelling), static_cast<std::size_t>(out - spelling));
}

// The single files write what the table says; the programs on glibc what
// iconv says. Both must agree.
TEST(CharsetTable, EveryRowSpellsUmlautUAsIconvDoes) {
  ASSERT_GT(kUmlautUByCharsetRows, 0U);
  for (std::size_t i = 0; i < kUmlautUByCharsetRows; ++i) {
    const CharsetSpelling& row = kUmlautUByCharset[i];
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(row.umlautU);
    EXPECT_EQ(HexBytes(bytes, std::strlen(row.umlautU)), IconvSpelling(row.charset)) << row.charset;
  }
}

}  // namespace
