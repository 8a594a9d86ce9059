#include "wake/wake_datagram.h"

#include <cstring>

void BuildWakeDatagram(const std::uint8_t (&address)[kMacAddressLength], WakeDatagram& datagram) {
  std::memset(datagram, 0xFF, kWakeSyncLength);
  for (int copy = 0; copy < kWakeAddressCopies; ++copy) {
    std::memcpy(datagram + kWakeSyncLength + copy * kMacAddressLength, address, kMacAddressLength);
  }
}
