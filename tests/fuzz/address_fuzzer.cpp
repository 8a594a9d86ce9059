// SPDX-License-Identifier: MIT
// Catches a read past an argument's end, a write beyond MacAddress and an
// address that does not read back: a libFuzzer target whose input is read as
// the text of the one-argument form and, split at NUL bytes, as the six
// arguments of the six-argument form, each from a copy of exactly its size,
// for AddressSanitizer. Its first twelve bytes also spell an address that
// must read back exactly.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "address/mac_address.h"

namespace {

char* ExactCopy(const std::uint8_t* data, std::size_t size) {
  char* text = static_cast<char*>(std::malloc(size + 1));
  std::memcpy(text, data, size);
  text[size] = '\0';
  return text;
}

void ReadBothForms(const std::uint8_t* data, std::size_t size) {
  char* text = ExactCopy(data, size);
  const int fields = ReadOneArgumentForm(text);
  if (fields < 0 || fields > kAddressFieldCount) std::abort();
  std::free(text);

  char* args[kMacAddressLength];
  for (char*& arg : args) {
    const auto* end = static_cast<const std::uint8_t*>(std::memchr(data, '\0', size));
    const std::size_t length = end != nullptr ? static_cast<std::size_t>(end - data) : size;
    arg = ExactCopy(data, length);
    data += length;
    size -= length;
    if (size > 0) {
      ++data;
      --size;
    }
  }
  ReadSixArgumentForm(args);
  for (char* arg : args) std::free(arg);
}

// Six bytes (data[0..5]) as two hex digits each, in the case that the bits
// of data[6] choose, with the separators data[7..11] (a hyphen for those
// that are white space or NUL) between them.
void CheckRoundTrip(const std::uint8_t* data, std::size_t size) {
  if (size < 12) return;
  char text[3 * kMacAddressLength];
  char* p = text;
  for (int i = 0; i < kMacAddressLength; ++i) {
    if (i > 0) {
      const std::uint8_t separator = data[6 + i];
      const bool usable = separator != '\0' && separator != ' ' && (separator < '\t' || separator > '\r');
      *p++ = usable ? static_cast<char>(separator) : '-';
    }
    const char* digits = (data[6] >> i & 1) != 0 ? "0123456789ABCDEF" : "0123456789abcdef";
    *p++ = digits[data[i] >> 4];
    *p++ = digits[data[i] & 15];
  }
  *p = '\0';
  std::memset(MacAddress, 0, sizeof MacAddress);
  if (ReadOneArgumentForm(text) != kAddressFieldCount) std::abort();
  if (std::memcmp(MacAddress, data, kMacAddressLength) != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ReadBothForms(data, size);
  CheckRoundTrip(data, size);
  return 0;
}
