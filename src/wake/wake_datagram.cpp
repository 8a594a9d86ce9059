#include "wake/wake_datagram.h"

#include <cstring>

// cppcheck-suppress constParameter ; memset and memcpy write through it
void BuildWakeDatagram(const std::uint8_t (&address)[kMacAddressLength], WakeDatagram& datagram) {
  std::memset(datagram, 0xFF, kWakeSyncLength);
  for (std::size_t copy = kWakeSyncLength; copy < sizeof datagram; copy += kMacAddressLength) {
    std::memcpy(datagram + copy, address, kMacAddressLength);
  }
}
