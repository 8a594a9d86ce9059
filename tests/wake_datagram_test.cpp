#include "wake/wake_datagram.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::uint8_t> Built(const std::uint8_t (&address)[kMacAddressLength]) {
  WakeDatagram datagram;
  BuildWakeDatagram(address, datagram);
  return {datagram, datagram + kWakeDatagramLength};
}

// Six 0xFF bytes, then the address sixteen times.
std::vector<std::uint8_t> MagicPacket(const std::vector<std::uint8_t>& address) {
  std::vector<std::uint8_t> packet(6, 0xFF);
  for (int copy = 0; copy < 16; ++copy) packet.insert(packet.end(), address.begin(), address.end());
  return packet;
}

TEST(WakeDatagram, IsSyncRunThenSixteenCopiesOfTheAddress) {
  EXPECT_EQ(kWakeDatagramLength, 102);
  const std::uint8_t kExample[kMacAddressLength] = {0x00, 0x05, 0x04, 0x37, 0xF6, 0x1A};
  const std::uint8_t kZero[kMacAddressLength] = {};
  const std::uint8_t kAllOnes[kMacAddressLength] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(Built(kExample), MagicPacket({0x00, 0x05, 0x04, 0x37, 0xF6, 0x1A}));
  EXPECT_EQ(Built(kZero), MagicPacket({0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Built(kAllOnes), std::vector<std::uint8_t>(102, 0xFF));
}

}  // namespace
