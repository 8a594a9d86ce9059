// SPDX-License-Identifier: MIT
#include "output/posix/charset_table.h"

#include <string.h>

// The sets that a locale may name and that have a u-umlaut: every name and
// alias of glibc's charmaps (localedef -f takes either) whose u-umlaut glibc's
// iconv writes, one of the names that compare alike, and the Windows names of
// the code pages; every other set gets "ue" from the caller. A row for each
// spelling, its sets a line each: one pointer for all their names keeps the
// table small in the single files. The test of this table asks glibc's iconv
// for each of those names.
// clang-format off
const CharsetSpelling kUmlautUByCharset[] = {
    {"\xC3\xBC",
     "UTF-8 ISO-10646/UTF-8"},
    {"\xFC",
     "ISO-8859-1 ISO-IR-100 ISO_8859-1:1987 LATIN1 L1 IBM819 CP819 "
     "ISO-8859-2 ISO-IR-101 ISO_8859-2:1987 LATIN2 L2 "
     "ISO-8859-3 ISO-IR-109 ISO_8859-3:1988 LATIN3 L3 "
     "ISO-8859-4 ISO-IR-110 ISO_8859-4:1988 LATIN4 L4 "
     "ISO-8859-9 ISO-IR-148 ISO_8859-9:1989 LATIN5 L5 "
     "ISO-8859-9E "
     "ISO-8859-10 ISO-IR-157 ISO_8859-10:1992 L6 LATIN6 "
     "ISO-8859-13 ISO-IR-179 LATIN7 L7 "
     "ISO-8859-14 LATIN8 L8 "
     "ISO-8859-15 LATIN-9 "
     "ISO-8859-16 ISO-IR-226 ISO_8859-16:2001 LATIN10 L10 "
     "CP1250 MS-EE WINDOWS-1250 "
     "CP1252 MS-ANSI WINDOWS-1252 "
     "CP1254 MS-TURK WINDOWS-1254 "
     "CP1256 MS-ARAB WINDOWS-1256 "
     "CP1257 WINBALTRIM WINDOWS-1257 "
     "CP1258 WINDOWS-1258 "
     "CSN_369103 ISO-IR-139 "
     "DEC-MCS DEC "
     "GEORGIAN-ACADEMY "
     "GEORGIAN-PS "
     "IBM1004 CP1004 OS2LATIN1 "
     "IBM1129 CP1129 "
     "IBM1163 CP1163 "
     "IBM922 CP922 "
     "ISO-IR-197 "
     "ISO-IR-209 "
     "WIN-SAMI-2 WS2"},
    {"\xC8\x75",
     "ANSI_X3.110-1983 ISO-IR-99 CSA_T500-1983 NAPLPS "
     "ISO-IR-90 ISO_6937-2:1983 "
     "ISO_6937 ISO-IR-156 ISO_6937:1992 "
     "T.61-8BIT T.61 ISO-IR-103"},
    {"\x88\xA2",
     "BIG5-HKSCS"},
    {"\x81",
     "CP770 "
     "CP773 "
     "CP774 "
     "CP775 "
     "CWI CWI-2 CP-HU "
     "IBM437 CP437 437 "
     "IBM850 CP850 850 "
     "IBM851 CP851 851 "
     "IBM852 CP852 852 "
     "IBM857 CP857 857 "
     "IBM858 CP858 858 "
     "IBM860 CP860 860 "
     "IBM861 CP861 861 "
     "IBM863 CP863 863 "
     "IBM865 CP865 865"},
    {"}",
     "DIN_66003 ISO-IR-21 DE ISO646-DE "
     "MSZ_7795.3 ISO-IR-86 ISO646-HU HU"},
    {"\xD0",
     "EBCDIC-AT-DE "
     "IBM273 CP273"},
    {"Z",
     "EBCDIC-AT-DE-A"},
    {"\xDC",
     "EBCDIC-CA-FR "
     "IBM037 CP037 EBCDIC-CP-US EBCDIC-CP-CA EBCDIC-CP-WT "
     "EBCDIC-CP-NL "
     "IBM1047 CP1047 1047 "
     "IBM1164 CP1164 "
     "IBM256 EBCDIC-INT1 "
     "IBM280 CP280 EBCDIC-CP-IT "
     "IBM284 CP284 EBCDIC-CP-ES "
     "IBM285 CP285 EBCDIC-CP-GB "
     "IBM297 CP297 EBCDIC-CP-FR "
     "IBM500 CP500 500 500V1 EBCDIC-CP-BE EBCDIC-CP-CH "
     "IBM870 CP870 EBCDIC-CP-ROECE EBCDIC-CP-YU "
     "IBM871 CP871 EBCDIC-CP-IS"},
    {"\xA1",
     "EBCDIC-DK-NO "
     "EBCDIC-FI-SE "
     "IBM277 EBCDIC-CP-DK EBCDIC-CP-NO "
     "IBM278 CP278 EBCDIC-CP-FI EBCDIC-CP-SE"},
    {"\xA9\xF1",
     "EUC-JISX0213"},
    {"\x8F\xAB\xE4",
     "EUC-JP "
     "EUC-JP-MS"},
    {"\xA8\xB9",
     "GB18030 "
     "GB2312 "
     "GBK CP936 MS936 WINDOWS-936"},
    {"\xCF",
     "HP-ROMAN8 ROMAN8 R8 "
     "HP-ROMAN9 ROMAN9 R9"},
    {"\xFE",
     "HP-TURKISH8 TURKISH8"},
    {"\xE0",
     "IBM1026 CP1026 1026 "
     "IBM905 CP905 EBCDIC-CP-TR"},
    {"\xEF",
     "IBM423 CP423 EBCDIC-CP-GR"},
    {"\x9F",
     "MAC-IS "
     "MAC-SAMI "
     "MACINTOSH MAC"},
    {"~",
     "SEN_850200_C ISO-IR-11 ISO646-SE2 SE2"},
    {"\x85\x91",
     "SHIFT_JISX0213"},
};
// clang-format on
const size_t kUmlautUByCharsetRows = sizeof kUmlautUByCharset / sizeof kUmlautUByCharset[0];

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool IsAlphanumeric(char c) { return IsDigit(c) || IsLetter(c); }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// A name read as glibc normalizes a locale's character set: its letters, lower
// case, and digits, after "iso" where it has digits alone ("437" is "iso437").
struct NormalizedName {
  const char* prefix;
  const char* next;
  const char* end;
};

NormalizedName StartName(const char* name, const char* end) {
  bool digits = false;
  for (const char* p = name; p < end; ++p) {
    if (IsLetter(*p)) return {"", name, end};
    digits = digits || IsDigit(*p);
  }
  return {digits ? "iso" : "", name, end};
}

// The name's next character, or '\0' after its last.
char NextCharacter(NormalizedName* name) {
  if (*name->prefix != '\0') return *name->prefix++;
  while (name->next < name->end && !IsAlphanumeric(*name->next)) ++name->next;
  return name->next < name->end ? Lower(*name->next++) : '\0';
}

bool SameCharsetName(const char* a, const char* aEnd, const char* b, const char* bEnd) {
  NormalizedName first = StartName(a, aEnd);
  NormalizedName second = StartName(b, bEnd);
  for (;;) {
    const char c = NextCharacter(&first);
    if (c != NextCharacter(&second)) return false;
    if (c == '\0') return true;
  }
}

}  // namespace

const char* UmlautUInCharset(const char* charset, size_t length) {
  for (const CharsetSpelling& row : kUmlautUByCharset) {
    for (const char* name = row.charsets; *name != '\0';) {
      const char* end = name + strcspn(name, " ");
      if (SameCharsetName(charset, charset + length, name, end)) return row.umlautU;
      name = *end == ' ' ? end + 1 : end;
    }
  }
  return nullptr;
}
