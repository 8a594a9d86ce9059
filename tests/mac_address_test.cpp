#include "cli/mac_address.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace {

using Bytes = std::array<std::uint8_t, kMacAddressLength>;

Bytes ReadOne(const char* text, int* fields) {
  std::memset(MacAddress, 0, sizeof MacAddress);
  *fields = ReadOneArgumentForm(text);
  Bytes bytes;
  std::memcpy(bytes.data(), MacAddress, bytes.size());
  return bytes;
}

TEST(OneArgumentForm, CompleteAddressesGiveTheirBytes) {
  const Bytes kExample = {0x00, 0x05, 0x04, 0x37, 0xF6, 0x1A};
  const struct {
    const char* text;
    Bytes bytes;
  } kCases[] = {
      {"00-05-04-37-f6-1a", kExample},
      {"00:05:04:37:F6:1A", kExample},
      {"0:5:4:37:f6:1a", kExample},
      {"00.05.04.37.f6.1a", kExample},
      {"0x00-0x05-0x04-0x37-0xf6-0x1a", kExample},
      {" 00-05-04-37-f6-1a", kExample},
      {"00-05-04-37-f6-1a-ff", kExample},
      {"00-05-04-37-f6-1a2", kExample},
      {"00\xFC"
       "05\x80"
       "04\xA0"
       "37\xFF"
       "f6\xC3"
       "1a",
       kExample},  // any byte separates
      {"00-05-04-37-f6-1", {0x00, 0x05, 0x04, 0x37, 0xF6, 0x01}},
      {"a-b-c-d-e-f", {0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F}},
      {"-1-2-3-4-5-6", {0xFF, 0x02, 0x03, 0x04, 0x05, 0x06}},
      {"00-05-04-37-f61a", {0x00, 0x05, 0x04, 0x37, 0xF6, 0x0A}},
      {"00505-04-37-f6-1a", kExample},
      {"00 05 04 37 f6 1a", {0x00, 0x05, 0x04, 0x07, 0x06, 0x0A}},
      {"00--05-04-37-f6-1a", {0x00, 0x00, 0x00, 0xFD, 0xF1, 0xFF}},
      {"\t\n\v\f\r00-05-04-37-f6-1a", kExample},
  };
  for (const auto& c : kCases) {
    int fields = 0;
    EXPECT_EQ(ReadOne(c.text, &fields), c.bytes) << c.text;
    EXPECT_EQ(fields, kAddressFieldCount) << c.text;
  }
}

TEST(OneArgumentForm, IncompleteAddressesStopAtTheFirstFailedField) {
  const struct {
    const char* text;
    int fields;
  } kCases[] = {
      {"000504-37-f6-1a", 10},
      {"00-05-04-37-f6-", 10},
      {"00-05-04-37-f6", 9},
      {"00050437f61a", 8},
      {"00-05-04", 5},
      {"zz-05-04-37-f6-1a", 0},
      {"0x", 0},
      {"", 0},
      {"\xA0"
       "00-05-04-37-f6-1a",
       0},
      {"00-05-04-37-f6- ", 10},
      {"+-05-04-37-f6-1a", 0},
  };
  for (const auto& c : kCases) {
    int fields = -1;
    ReadOne(c.text, &fields);
    EXPECT_EQ(fields, c.fields) << c.text;
  }
}

TEST(SixArgumentForm, EachArgumentGivesOneByteOrLeavesItAsItWas) {
  constexpr int kUnchanged = -1;
  const struct {
    const char* argument;
    int byte;
  } kCases[] = {
      {"1a", 0x1A},       {"1A", 0x1A},      {" 1a", 0x1A},      {"ff", 0xFF},         {"f", 0x0F},
      {"+f", 0x0F},       {"123", 0x12},     {"-1", 0xFF},       {"-0x1", 0xFF},       {"-f", 0xF1},
      {"0x5", 0x05},      {"1 a", 0x01},     {"zz", kUnchanged}, {"g1", kUnchanged},   {"0xg", kUnchanged},
      {"0x", kUnchanged}, {"-", kUnchanged}, {"", kUnchanged},   {"\x81", kUnchanged},
  };
  constexpr std::uint8_t kBefore = 0xA5;
  for (const auto& c : kCases) {
    std::memset(MacAddress, kBefore, sizeof MacAddress);
    const char* const args[kMacAddressLength] = {c.argument, "1", "2", "3", "4", "5"};
    ReadSixArgumentForm(args);
    EXPECT_EQ(MacAddress[0], c.byte == kUnchanged ? kBefore : c.byte) << '"' << c.argument << '"';
    EXPECT_EQ(MacAddress[5], 0x05) << '"' << c.argument << '"';
  }
}

TEST(SixArgumentForm, UnreadableBytesStayZero) {
  std::memset(MacAddress, 0, sizeof MacAddress);
  const char* const args[kMacAddressLength] = {"-1", "zz", "05", "04", "37", "1a"};
  ReadSixArgumentForm(args);
  EXPECT_EQ(Bytes({MacAddress[0], MacAddress[1], MacAddress[2], MacAddress[3], MacAddress[4], MacAddress[5]}),
            Bytes({0xFF, 0x00, 0x05, 0x04, 0x37, 0x1A}));
}

}  // namespace
