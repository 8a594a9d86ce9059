// SPDX-License-Identifier: MIT
#ifndef WECKWERK_ADDRESS_MAC_ADDRESS_H
#define WECKWERK_ADDRESS_MAC_ADDRESS_H

#include <stdint.h>

// The bytes of an Ethernet hardware (MAC) address.
constexpr int kMacAddressLength = 6;

// The one-argument form has six hex fields and a separator between each two.
constexpr int kAddressFieldCount = 2 * kMacAddressLength - 1;

// The target's hardware address, first byte as written first; zero at start.
extern uint8_t MacAddress[kMacAddressLength];

// Read by hand, not with sscanf: C libraries differ on how a width counts a sign or a "0x".

// Reads "00-05-04-37-f6-1a" and the like into MacAddress and returns how many
// of its eleven fields were read before the first that failed. Only
// kAddressFieldCount means complete; text after the sixth byte is ignored.
// Bytes read before a failed field stay in MacAddress.
int ReadOneArgumentForm(const char* text);

// Reads byte i from args[i], one hex field each, ignoring whatever follows
// it. A byte whose field holds no digit keeps its value. Cannot fail.
void ReadSixArgumentForm(const char* const args[kMacAddressLength]);

#endif
