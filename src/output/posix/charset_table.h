// SPDX-License-Identifier: MIT
#ifndef WECKWERK_OUTPUT_POSIX_CHARSET_TABLE_H
#define WECKWERK_OUTPUT_POSIX_CHARSET_TABLE_H

#include <stddef.h>

// The letter u-umlaut in the character sets that have it, for a C library
// that cannot tell a locale's character set (musl): the sets named as glibc's
// iconv names them, with their aliases, each name followed by a blank or the
// end.
struct CharsetSpelling {
  const char* umlautU;
  const char* charsets;
};
extern const CharsetSpelling kUmlautUByCharset[];
extern const size_t kUmlautUByCharsetRows;

// The bytes of u-umlaut in the character set named by the `length` bytes at
// `charset` (read in place, no NUL needed), the name compared as glibc
// normalizes it in a locale's name: case and punctuation ignored ("utf8" is
// UTF-8, "iso_8859-1" ISO-8859-1), "iso" before digits alone ("iso437" is
// 437); nullptr for a set the table does not have, and for an empty name.
const char* UmlautUInCharset(const char* charset, size_t length);

#endif
