#include "output/posix/charset_table.h"

#include <string.h>

// The sets that a locale may name and that have a u-umlaut: every name and
// alias of glibc's charmaps (localedef -f takes either) whose u-umlaut glibc's
// iconv writes, one row for the names that compare alike, and the Windows
// names of the code pages; every other set gets "ue" from the caller. The
// test of this table asks glibc's iconv for each of those names.
// clang-format off
const CharsetSpelling kUmlautUByCharset[] = {
    {"UTF-8", "\xC3\xBC"}, {"ISO-10646/UTF-8", "\xC3\xBC"},
    {"ISO-8859-1", "\xFC"}, {"ISO-IR-100", "\xFC"}, {"ISO_8859-1:1987", "\xFC"}, {"LATIN1", "\xFC"},
    {"L1", "\xFC"}, {"IBM819", "\xFC"}, {"CP819", "\xFC"},
    {"ISO-8859-2", "\xFC"}, {"ISO-IR-101", "\xFC"}, {"ISO_8859-2:1987", "\xFC"}, {"LATIN2", "\xFC"},
    {"L2", "\xFC"},
    {"ISO-8859-3", "\xFC"}, {"ISO-IR-109", "\xFC"}, {"ISO_8859-3:1988", "\xFC"}, {"LATIN3", "\xFC"},
    {"L3", "\xFC"},
    {"ISO-8859-4", "\xFC"}, {"ISO-IR-110", "\xFC"}, {"ISO_8859-4:1988", "\xFC"}, {"LATIN4", "\xFC"},
    {"L4", "\xFC"},
    {"ISO-8859-9", "\xFC"}, {"ISO-IR-148", "\xFC"}, {"ISO_8859-9:1989", "\xFC"}, {"LATIN5", "\xFC"},
    {"L5", "\xFC"},
    {"ISO-8859-9E", "\xFC"},
    {"ISO-8859-10", "\xFC"}, {"ISO-IR-157", "\xFC"}, {"ISO_8859-10:1992", "\xFC"}, {"L6", "\xFC"},
    {"LATIN6", "\xFC"},
    {"ISO-8859-13", "\xFC"}, {"ISO-IR-179", "\xFC"}, {"LATIN7", "\xFC"}, {"L7", "\xFC"},
    {"ISO-8859-14", "\xFC"}, {"LATIN8", "\xFC"}, {"L8", "\xFC"},
    {"ISO-8859-15", "\xFC"}, {"LATIN-9", "\xFC"},
    {"ISO-8859-16", "\xFC"}, {"ISO-IR-226", "\xFC"}, {"ISO_8859-16:2001", "\xFC"}, {"LATIN10", "\xFC"},
    {"L10", "\xFC"},
    {"ANSI_X3.110-1983", "\xC8\x75"}, {"ISO-IR-99", "\xC8\x75"}, {"CSA_T500-1983", "\xC8\x75"},
    {"NAPLPS", "\xC8\x75"},
    {"BIG5-HKSCS", "\x88\xA2"},
    {"CP1250", "\xFC"}, {"MS-EE", "\xFC"}, {"WINDOWS-1250", "\xFC"},
    {"CP1252", "\xFC"}, {"MS-ANSI", "\xFC"}, {"WINDOWS-1252", "\xFC"},
    {"CP1254", "\xFC"}, {"MS-TURK", "\xFC"}, {"WINDOWS-1254", "\xFC"},
    {"CP1256", "\xFC"}, {"MS-ARAB", "\xFC"}, {"WINDOWS-1256", "\xFC"},
    {"CP1257", "\xFC"}, {"WINBALTRIM", "\xFC"}, {"WINDOWS-1257", "\xFC"},
    {"CP1258", "\xFC"}, {"WINDOWS-1258", "\xFC"},
    {"CP770", "\x81"},
    {"CP773", "\x81"},
    {"CP774", "\x81"},
    {"CP775", "\x81"},
    {"CSN_369103", "\xFC"}, {"ISO-IR-139", "\xFC"},
    {"CWI", "\x81"}, {"CWI-2", "\x81"}, {"CP-HU", "\x81"},
    {"DEC-MCS", "\xFC"}, {"DEC", "\xFC"},
    {"DIN_66003", "}"}, {"ISO-IR-21", "}"}, {"DE", "}"}, {"ISO646-DE", "}"},
    {"EBCDIC-AT-DE", "\xD0"},
    {"EBCDIC-AT-DE-A", "Z"},
    {"EBCDIC-CA-FR", "\xDC"},
    {"EBCDIC-DK-NO", "\xA1"},
    {"EBCDIC-FI-SE", "\xA1"},
    {"EUC-JISX0213", "\xA9\xF1"},
    {"EUC-JP", "\x8F\xAB\xE4"},
    {"EUC-JP-MS", "\x8F\xAB\xE4"},
    {"GB18030", "\xA8\xB9"},
    {"GB2312", "\xA8\xB9"},
    {"GBK", "\xA8\xB9"}, {"CP936", "\xA8\xB9"}, {"MS936", "\xA8\xB9"}, {"WINDOWS-936", "\xA8\xB9"},
    {"GEORGIAN-ACADEMY", "\xFC"},
    {"GEORGIAN-PS", "\xFC"},
    {"HP-ROMAN8", "\xCF"}, {"ROMAN8", "\xCF"}, {"R8", "\xCF"},
    {"HP-ROMAN9", "\xCF"}, {"ROMAN9", "\xCF"}, {"R9", "\xCF"},
    {"HP-TURKISH8", "\xFE"}, {"TURKISH8", "\xFE"},
    {"IBM037", "\xDC"}, {"CP037", "\xDC"}, {"EBCDIC-CP-US", "\xDC"}, {"EBCDIC-CP-CA", "\xDC"},
    {"EBCDIC-CP-WT", "\xDC"}, {"EBCDIC-CP-NL", "\xDC"},
    {"IBM1004", "\xFC"}, {"CP1004", "\xFC"}, {"OS2LATIN1", "\xFC"},
    {"IBM1026", "\xE0"}, {"CP1026", "\xE0"}, {"1026", "\xE0"},
    {"IBM1047", "\xDC"}, {"CP1047", "\xDC"}, {"1047", "\xDC"},
    {"IBM1129", "\xFC"}, {"CP1129", "\xFC"},
    {"IBM1163", "\xFC"}, {"CP1163", "\xFC"},
    {"IBM1164", "\xDC"}, {"CP1164", "\xDC"},
    {"IBM256", "\xDC"}, {"EBCDIC-INT1", "\xDC"},
    {"IBM273", "\xD0"}, {"CP273", "\xD0"},
    {"IBM277", "\xA1"}, {"EBCDIC-CP-DK", "\xA1"}, {"EBCDIC-CP-NO", "\xA1"},
    {"IBM278", "\xA1"}, {"CP278", "\xA1"}, {"EBCDIC-CP-FI", "\xA1"}, {"EBCDIC-CP-SE", "\xA1"},
    {"IBM280", "\xDC"}, {"CP280", "\xDC"}, {"EBCDIC-CP-IT", "\xDC"},
    {"IBM284", "\xDC"}, {"CP284", "\xDC"}, {"EBCDIC-CP-ES", "\xDC"},
    {"IBM285", "\xDC"}, {"CP285", "\xDC"}, {"EBCDIC-CP-GB", "\xDC"},
    {"IBM297", "\xDC"}, {"CP297", "\xDC"}, {"EBCDIC-CP-FR", "\xDC"},
    {"IBM423", "\xEF"}, {"CP423", "\xEF"}, {"EBCDIC-CP-GR", "\xEF"},
    {"IBM437", "\x81"}, {"CP437", "\x81"}, {"437", "\x81"},
    {"IBM500", "\xDC"}, {"CP500", "\xDC"}, {"500", "\xDC"}, {"500V1", "\xDC"}, {"EBCDIC-CP-BE", "\xDC"},
    {"EBCDIC-CP-CH", "\xDC"},
    {"IBM850", "\x81"}, {"CP850", "\x81"}, {"850", "\x81"},
    {"IBM851", "\x81"}, {"CP851", "\x81"}, {"851", "\x81"},
    {"IBM852", "\x81"}, {"CP852", "\x81"}, {"852", "\x81"},
    {"IBM857", "\x81"}, {"CP857", "\x81"}, {"857", "\x81"},
    {"IBM858", "\x81"}, {"CP858", "\x81"}, {"858", "\x81"},
    {"IBM860", "\x81"}, {"CP860", "\x81"}, {"860", "\x81"},
    {"IBM861", "\x81"}, {"CP861", "\x81"}, {"861", "\x81"},
    {"IBM863", "\x81"}, {"CP863", "\x81"}, {"863", "\x81"},
    {"IBM865", "\x81"}, {"CP865", "\x81"}, {"865", "\x81"},
    {"IBM870", "\xDC"}, {"CP870", "\xDC"}, {"EBCDIC-CP-ROECE", "\xDC"}, {"EBCDIC-CP-YU", "\xDC"},
    {"IBM871", "\xDC"}, {"CP871", "\xDC"}, {"EBCDIC-CP-IS", "\xDC"},
    {"IBM905", "\xE0"}, {"CP905", "\xE0"}, {"EBCDIC-CP-TR", "\xE0"},
    {"IBM922", "\xFC"}, {"CP922", "\xFC"},
    {"ISO-IR-197", "\xFC"},
    {"ISO-IR-209", "\xFC"},
    {"ISO-IR-90", "\xC8\x75"}, {"ISO_6937-2:1983", "\xC8\x75"},
    {"ISO_6937", "\xC8\x75"}, {"ISO-IR-156", "\xC8\x75"}, {"ISO_6937:1992", "\xC8\x75"},
    {"MAC-IS", "\x9F"},
    {"MAC-SAMI", "\x9F"},
    {"MACINTOSH", "\x9F"}, {"MAC", "\x9F"},
    {"MSZ_7795.3", "}"}, {"ISO-IR-86", "}"}, {"ISO646-HU", "}"}, {"HU", "}"},
    {"SEN_850200_C", "~"}, {"ISO-IR-11", "~"}, {"ISO646-SE2", "~"}, {"SE2", "~"},
    {"SHIFT_JISX0213", "\x85\x91"},
    {"T.61-8BIT", "\xC8\x75"}, {"T.61", "\xC8\x75"}, {"ISO-IR-103", "\xC8\x75"},
    {"WIN-SAMI-2", "\xFC"}, {"WS2", "\xFC"},
};
// clang-format on
const size_t kUmlautUByCharsetRows = sizeof kUmlautUByCharset / sizeof kUmlautUByCharset[0];

namespace {

bool IsAlphanumeric(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

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
    if (IsAlphanumeric(*p) && !(*p >= '0' && *p <= '9')) return {"", name, end};
    digits = digits || IsAlphanumeric(*p);
  }
  return {digits ? "iso" : "", name, end};
}

// The name's next character, or '\0' after its last.
char NextCharacter(NormalizedName* name) {
  if (*name->prefix != '\0') return *name->prefix++;
  while (name->next < name->end && !IsAlphanumeric(*name->next)) ++name->next;
  return name->next < name->end ? Lower(*name->next++) : '\0';
}

bool SameCharsetName(const char* a, const char* aEnd, const char* b) {
  NormalizedName first = StartName(a, aEnd);
  NormalizedName second = StartName(b, b + strlen(b));
  for (;;) {
    const char c = NextCharacter(&first);
    if (c != NextCharacter(&second)) return false;
    if (c == '\0') return true;
  }
}

}  // namespace

const char* UmlautUInCharset(const char* charset, size_t length) {
  for (const CharsetSpelling& row : kUmlautUByCharset) {
    // cppcheck-suppress useStlAlgorithm ; the program's code uses no C++ library
    if (SameCharsetName(charset, charset + length, row.charset)) return row.umlautU;
  }
  return nullptr;
}
