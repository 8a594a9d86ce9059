// SPDX-License-Identifier: MIT
#include "wake/wake_datagram.h"

#include <string.h>

// cppcheck-suppress[constParameter,constParameterReference] ; memset and memcpy write through it
void BuildWakeDatagram(const uint8_t (&address)[kMacAddressLength], WakeDatagram& datagram) {
  memset(datagram, 0xFF, kWakeSyncLength);
  for (size_t copy = kWakeSyncLength; copy < sizeof datagram; copy += kMacAddressLength) {
    memcpy(datagram + copy, address, kMacAddressLength);
  }
}
