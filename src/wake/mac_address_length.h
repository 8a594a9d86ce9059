#ifndef WECKWERK_WAKE_MAC_ADDRESS_LENGTH_H
#define WECKWERK_WAKE_MAC_ADDRESS_LENGTH_H

// The bytes of an Ethernet hardware (MAC) address: what the address reader
// fills and the datagram repeats.
constexpr int kMacAddressLength = 6;

#endif
