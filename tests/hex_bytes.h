// SPDX-License-Identifier: MIT
#ifndef WECKWERK_TESTS_HEX_BYTES_H
#define WECKWERK_TESTS_HEX_BYTES_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// Bytes as upper-case hex, a blank between two and a new line after every
// sixth ("00 05 04 37 F6 1A"): compared as text, so that a failure shows
// them so, where GoogleTest would print each byte as a character.
inline std::string HexBytes(const std::uint8_t* bytes, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    char pair[4];
    std::snprintf(pair, sizeof pair, "%s%02X", i == 0 ? "" : (i % 6 == 0 ? "\n" : " "), bytes[i]);
    text += pair;
  }
  return text;
}

#endif
