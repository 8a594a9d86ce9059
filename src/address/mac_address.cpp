// SPDX-License-Identifier: MIT
#include "address/mac_address.h"

uint8_t MacAddress[kMacAddressLength];

namespace {

// A hex field takes at most two places: a sign uses one, a "0x" prefix none.
constexpr int kHexFieldWidth = 2;

// The classes work on bytes and never on the locale, so 0x80 to 0xFF are
// neither white space nor digits anywhere.
bool IsSpace(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

int HexDigitValue(unsigned char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

const char* SkipSpace(const char* p) {
  while (IsSpace(static_cast<unsigned char>(*p))) ++p;
  return p;
}

// The width limit. Returns the byte at p while p lies within `places`
// characters of `first`, and the end-of-text byte 0 from then on, so that a
// full field stops without reading the character after it.
unsigned char WithinPlaces(const char* p, const char* first, int places) {
  return p - first < places ? static_cast<unsigned char>(*p) : 0;
}

// One field of the conversion "%02x": white space, an optional sign, an
// optional "0x" prefix, then up to the remaining places of hex digits.
// Stores the low byte of the (possibly negated) value and returns the
// position after the field, or returns nullptr and stores nothing when the
// field holds no digit.
const char* ReadHexField(const char* p, uint8_t* byte) {
  p = SkipSpace(p);
  const char* first = p;
  const bool negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
    p += 2;
    first += 2;
  }
  const char* digits = p;
  uint32_t value = 0;
  for (int digit; (digit = HexDigitValue(WithinPlaces(p, first, kHexFieldWidth))) >= 0; ++p) {
    value = value * 16 + static_cast<uint32_t>(digit);
  }
  if (p == digits) return nullptr;
  *byte = static_cast<uint8_t>(negative ? 0U - value : value);
  return p;
}

// One field of the conversion "%01s": white space, then any one character,
// which is thrown away. Returns nullptr at the end of the text.
const char* ReadSeparatorField(const char* p) {
  p = SkipSpace(p);
  return *p != '\0' ? p + 1 : nullptr;
}

}  // namespace

int ReadOneArgumentForm(const char* text) {
  int fields = 0;
  while (fields < kAddressFieldCount) {
    text = fields % 2 == 0 ? ReadHexField(text, &MacAddress[fields / 2]) : ReadSeparatorField(text);
    if (text == nullptr) break;
    ++fields;
  }
  return fields;
}

void ReadSixArgumentForm(const char* const args[kMacAddressLength]) {
  for (int i = 0; i < kMacAddressLength; ++i) ReadHexField(args[i], &MacAddress[i]);
}
