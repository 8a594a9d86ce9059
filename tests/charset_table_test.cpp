// SPDX-License-Identifier: MIT
#include "output/posix/charset_table.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <iconv.h>
#include <zlib.h>

#include <cctype>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "hex_bytes.h"

namespace {

// u-umlaut as glibc's iconv writes it in the set, as the program on glibc
// takes it (src/output/posix/console.cpp), in hex; "NONE" where it cannot.
std::string IconvUmlautU(const std::string& charset) {
  iconv_t converter = iconv_open(charset.c_str(), "UTF-8");
  if (reinterpret_cast<std::intptr_t>(converter) == -1) return "NONE";
  char utf8[] = "\xC3\xBC";
  char spelling[32];
  char* in = utf8;
  char* out = spelling;
  std::size_t inLeft = 2;
  std::size_t outLeft = sizeof spelling;
  const bool exact = iconv(converter, &in, &inLeft, &out, &outLeft) == 0 &&
                     iconv(converter, nullptr, nullptr, &out, &outLeft) == 0;
  iconv_close(converter);
  return exact ? HexBytes(reinterpret_cast<const std::uint8_t*>(spelling), out - spelling) : "NONE";
}

// The name as glibc normalizes a locale's character set: its letters, lower
// case, and digits, after "iso" where it has digits alone.
std::string Normalized(const std::string& name) {
  std::string normal;
  for (const char c : name)
    if (std::isalnum(static_cast<unsigned char>(c))) normal += static_cast<char>(std::tolower(c));
  return normal.find_first_not_of("0123456789") == std::string::npos ? "iso" + normal : normal;
}

// The single files write what the table says; the programs on glibc what
// iconv says. Both agree for every name of the table, every name and alias
// of glibc's charmaps (localedef -f takes either) and every set of its
// SUPPORTED, each also as a locale's name may write it ("iso88592",
// "iso437"); so a row missing fails here (its locales would get "ue").
TEST(CharsetTable, SpellsUmlautUAsIconvDoesInEveryLocaleCharset) {
  const std::string folder = "/usr/share/i18n/";
  std::ifstream supported(folder + "SUPPORTED");
  DIR* charmaps = opendir((folder + "charmaps").c_str());
  if (!supported || charmaps == nullptr)
    GTEST_SKIP() << "no glibc charmaps in " << folder << " (Debian: locales)";
  std::set<std::string> names;
  for (std::size_t i = 0; i < kUmlautUByCharsetRows; ++i) {
    std::istringstream row(kUmlautUByCharset[i].charsets);
    for (std::string name; row >> name;) names.insert(name);
  }
  for (std::string line, name; std::getline(supported, line);)
    if (std::istringstream(line) >> name >> name) names.insert(name);
  while (const dirent* entry = readdir(charmaps)) {
    gzFile charmap = gzopen((folder + "charmaps/" + entry->d_name).c_str(), "r");
    for (char line[256]; charmap != nullptr && gzgets(charmap, line, sizeof line) != nullptr;) {
      if (std::strncmp(line, "CHARMAP", 7) == 0) break;
      char name[64];
      if (std::sscanf(line, "<code_set_name> %63s", name) == 1 ||
          (std::strncmp(line, "% alias ", 8) == 0 && std::sscanf(line + 8, "%63s", name) == 1))
        names.insert(name);
    }
    if (charmap != nullptr) gzclose(charmap);
  }
  closedir(charmaps);
  for (const std::string& name : names) {
    const std::string want = IconvUmlautU(name);
    for (const std::string& written : {name, Normalized(name)}) {
      const char* spelling = UmlautUInCharset(written.data(), written.size());
      const auto* bytes = reinterpret_cast<const std::uint8_t*>(spelling);
      EXPECT_EQ(spelling == nullptr ? "NONE" : HexBytes(bytes, std::strlen(spelling)), want) << written;
    }
  }
  EXPECT_GT(names.size(), 500U);
}

}  // namespace
