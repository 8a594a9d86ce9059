#include "output/posix/charset_table.h"

// The sets that a locale may name and that have a u-umlaut; every other set
// gets "ue" from the caller. The test of this table asks glibc's iconv for
// each row.
// clang-format off
const CharsetSpelling kUmlautUByCharset[] = {
    {"UTF-8", "\xC3\xBC"},
    {"ISO-8859-1", "\xFC"},  {"LATIN1", "\xFC"},  {"L1", "\xFC"},
    {"ISO-8859-2", "\xFC"},  {"LATIN2", "\xFC"},  {"L2", "\xFC"},
    {"ISO-8859-3", "\xFC"},  {"LATIN3", "\xFC"},  {"L3", "\xFC"},
    {"ISO-8859-4", "\xFC"},  {"LATIN4", "\xFC"},  {"L4", "\xFC"},
    {"ISO-8859-9", "\xFC"},  {"LATIN5", "\xFC"},  {"L5", "\xFC"},
    {"ISO-8859-10", "\xFC"}, {"LATIN6", "\xFC"},  {"L6", "\xFC"},
    {"ISO-8859-13", "\xFC"}, {"LATIN7", "\xFC"},  {"L7", "\xFC"},
    {"ISO-8859-14", "\xFC"}, {"LATIN8", "\xFC"},  {"L8", "\xFC"},
    {"ISO-8859-15", "\xFC"}, {"LATIN9", "\xFC"},
    {"ISO-8859-16", "\xFC"}, {"LATIN10", "\xFC"}, {"L10", "\xFC"},
    {"CP1250", "\xFC"},      {"WINDOWS-1250", "\xFC"},
    {"CP1252", "\xFC"},      {"WINDOWS-1252", "\xFC"},
    {"CP1254", "\xFC"},      {"WINDOWS-1254", "\xFC"},
    {"CP1256", "\xFC"},      {"WINDOWS-1256", "\xFC"},
    {"CP1257", "\xFC"},      {"WINDOWS-1257", "\xFC"},
    {"CP1258", "\xFC"},      {"WINDOWS-1258", "\xFC"},
    {"IBM437", "\x81"},      {"CP437", "\x81"},   {"437", "\x81"},
    {"IBM850", "\x81"},      {"CP850", "\x81"},   {"850", "\x81"},
};
// clang-format on
const size_t kUmlautUByCharsetRows = sizeof kUmlautUByCharset / sizeof kUmlautUByCharset[0];

namespace {

bool IsAlphanumeric(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Skips what is not a letter or a digit.
const char* NextAlphanumeric(const char* p) {
  while (*p != '\0' && !IsAlphanumeric(*p)) ++p;
  return p;
}

bool SameCharsetName(const char* a, const char* b) {
  for (a = NextAlphanumeric(a), b = NextAlphanumeric(b); *a != '\0' && *b != '\0';
       a = NextAlphanumeric(a + 1), b = NextAlphanumeric(b + 1)) {
    if (Lower(*a) != Lower(*b)) return false;
  }
  return *a == '\0' && *b == '\0';
}

}  // namespace

const char* UmlautUInCharset(const char* charset) {
  for (const CharsetSpelling& row : kUmlautUByCharset) {
    // cppcheck-suppress useStlAlgorithm ; the program's code uses no C++ library
    if (SameCharsetName(charset, row.charset)) return row.umlautU;
  }
  return nullptr;
}
