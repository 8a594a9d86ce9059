// SPDX-License-Identifier: MIT
#ifndef WECKWERK_WAKE_WAKE_DATAGRAM_H
#define WECKWERK_WAKE_WAKE_DATAGRAM_H

#include <stdint.h>

#include "address/mac_address.h"

constexpr int kWakeSyncLength = 6;
constexpr int kWakeAddressCopies = 16;
constexpr int kWakeDatagramLength = kWakeSyncLength + kWakeAddressCopies * kMacAddressLength;

// The magic packet: six bytes 0xFF, then the address sixteen times.
using WakeDatagram = uint8_t[kWakeDatagramLength];

void BuildWakeDatagram(const uint8_t (&address)[kMacAddressLength], WakeDatagram& datagram);

#endif
