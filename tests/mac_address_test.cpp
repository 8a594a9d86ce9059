// SPDX-License-Identifier: MIT
#include "address/mac_address.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "hex_bytes.h"

namespace {

using Bytes = std::array<std::uint8_t, kMacAddressLength>;
using Table = std::vector<std::pair<std::string, std::string>>;

// A table of tests/addresses, read as its README says.
Table ReadTable(const char* name) {
  Table rows;
  const std::string path = std::string(WECKWERK_ADDRESS_TABLES) + "/" + name;
  std::FILE* file = std::fopen(path.c_str(), "r");
  if (file == nullptr) {
    ADD_FAILURE() << "cannot read " << path;
    return rows;
  }
  char line[256];
  while (std::fgets(line, sizeof line, file) != nullptr) {
    std::string text(line);
    text.erase(text.find_last_not_of('\n') + 1);
    const std::size_t bar = text.rfind('|');
    std::string argument;
    for (std::size_t i = 0; i < bar && i < text.size(); ++i) {
      const bool escape = text[i] == '\\' && (text[i + 1] == 'b' || text[i + 1] == '\\');
      argument += !escape ? text[i] : text[++i] == 'b' ? '\b' : '\\';
    }
    rows.emplace_back(argument, text.substr(bar + 1));
  }
  std::fclose(file);
  EXPECT_FALSE(rows.empty()) << path;
  return rows;
}

// "00 05 04 37 F6 1A"
Bytes ParseBytes(const std::string& text) {
  Bytes bytes{};
  const char* p = text.c_str();
  for (std::uint8_t& byte : bytes) {
    char* end = nullptr;
    byte = static_cast<std::uint8_t>(std::strtoul(p, &end, 16));
    p = end;
  }
  return bytes;
}

std::string Hex(const Bytes& bytes) { return HexBytes(bytes.data(), bytes.size()); }

std::string Address() { return HexBytes(MacAddress, kMacAddressLength); }

int ReadOne(const char* text) {
  std::memset(MacAddress, 0, sizeof MacAddress);
  return ReadOneArgumentForm(text);
}

TEST(OneArgumentForm, CompleteAddressesGiveTheirBytes) {
  for (const auto& [text, bytes] : ReadTable("one_argument.txt")) {
    EXPECT_EQ(ReadOne(text.c_str()), kAddressFieldCount) << '"' << text << '"';
    EXPECT_EQ(Address(), Hex(ParseBytes(bytes))) << '"' << text << '"';
  }
}

TEST(OneArgumentForm, IncompleteAddressesStopAtTheFirstFailedField) {
  for (const auto& [text, fields] : ReadTable("incomplete.txt")) {
    EXPECT_EQ(ReadOne(text.c_str()), std::stoi(fields)) << '"' << text << '"';
  }
}

// Bytes from 0x80 up are neither white space nor digits; the classic white
// space is skipped.
TEST(OneArgumentForm, ClassifiesBytesNotByLocale) {
  const std::pair<const char*, int> kCases[] = {
      {"00\xFC"
       "05\x80"
       "04\xA0"
       "37\xFF"
       "f6\xC3"
       "1a",
       kAddressFieldCount},
      {"\t\n\v\f\r00-05-04-37-f6-1a", kAddressFieldCount},
      {"\xA0"
       "00-05-04-37-f6-1a",
       0},
      {"00-05-04-37-f6-\xB1", 10},
  };
  for (const auto& [text, fields] : kCases) {
    EXPECT_EQ(ReadOne(text), fields) << text;
    if (fields == kAddressFieldCount) {
      EXPECT_EQ(Address(), "00 05 04 37 F6 1A") << text;
    }
  }
}

// An argument without a byte ("kept" in the table) leaves its byte as it was.
TEST(SixArgumentForm, EachArgumentGivesOneByteOrLeavesItAsItWas) {
  constexpr std::uint8_t kBefore = 0xA5;
  for (const auto& [argument, byte] : ReadTable("six_arguments.txt")) {
    std::memset(MacAddress, kBefore, sizeof MacAddress);
    const char* const args[kMacAddressLength] = {argument.c_str(), "05", "04", "37", "f6", "1a"};
    ReadSixArgumentForm(args);
    const std::uint8_t want = byte == "kept" ? kBefore : ParseBytes(byte)[0];
    const Bytes expected = {want, 0x05, 0x04, 0x37, 0xF6, 0x1A};
    EXPECT_EQ(Address(), Hex(expected)) << '"' << argument << '"';
  }
}

}  // namespace
