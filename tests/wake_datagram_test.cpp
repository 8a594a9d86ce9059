// SPDX-License-Identifier: MIT
#include "wake/wake_datagram.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hex_bytes.h"

namespace {

std::string Built(const std::uint8_t (&address)[kMacAddressLength]) {
  WakeDatagram datagram;
  BuildWakeDatagram(address, datagram);
  return HexBytes(datagram, kWakeDatagramLength);
}

// Six 0xFF, then the address sixteen times: 102 bytes.
std::string Expected(const std::uint8_t (&address)[kMacAddressLength]) {
  std::vector<std::uint8_t> packet(6, 0xFF);
  for (int copy = 0; copy < 16; ++copy) packet.insert(packet.end(), address, address + kMacAddressLength);
  return HexBytes(packet.data(), packet.size());
}

TEST(WakeDatagram, IsSyncRunThenSixteenCopiesOfTheAddress) {
  const std::uint8_t kAddresses[][kMacAddressLength] = {
      {0x00, 0x05, 0x04, 0x37, 0xF6, 0x1A}, {}, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}};
  for (const auto& address : kAddresses) EXPECT_EQ(Built(address), Expected(address));
}

}  // namespace
