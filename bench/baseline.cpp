// SPDX-License-Identifier: MIT
// The benchmark's floor: the least a process can do to wake 00-05-04-37-f6-1a
// as weckwerk does, the same output and datagram by the same five sockets calls,
// with no argument reading, no formatting and no locale.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <stdio.h>
#include <string.h>
#include <sys/socket.h>
#include <unistd.h>

#include "output/messages.h"

// The echo line written whole, as one write.
constexpr char kEchoLine[] = "MAC-Adresse: 00-05-04-37-F6-1A-\b ...";

// Whether WHOLE is HEAD, MIDDLE and TAIL one after the other.
constexpr bool Joins(const char* whole, const char* head, const char* middle, const char* tail) {
  const char* const parts[] = {head, middle, tail};
  for (const char* part : parts) {
    while (*part != '\0') {
      if (*whole++ != *part++) return false;
    }
  }
  return *whole == '\0';
}
static_assert(Joins(kEchoLine, kEchoHead, "00-05-04-37-F6-1A-", kEchoTail),
              "the program's echo line has changed");

int main() {
  fputs(kBannerLine1, stdout);
  fputs(kBannerLine2, stdout);
  fputs(kEchoLine, stdout);

  static const unsigned char address[6] = {0x00, 0x05, 0x04, 0x37, 0xF6, 0x1A};
  unsigned char datagram[102];
  memset(datagram, 0xFF, 6);
  for (int copy = 0; copy < 16; ++copy) memcpy(datagram + 6 + 6 * copy, address, 6);

  const int s = socket(AF_INET, SOCK_DGRAM, 0);
  const int on = 1;
  setsockopt(s, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
  sockaddr_in local = {};
  local.sin_family = AF_INET;
  bind(s, reinterpret_cast<sockaddr*>(&local), sizeof local);
  sockaddr_in to = {};
  to.sin_family = AF_INET;
  to.sin_port = htons(2304);
  to.sin_addr.s_addr = htonl(INADDR_BROADCAST);
  const ssize_t sent = sendto(s, datagram, sizeof datagram, 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
  close(s);
  fputs(kSentText, stdout);
  return sent == static_cast<ssize_t>(sizeof datagram) ? 0 : 1;
}
