// The least a process can do to wake 00-05-04-37-f6-1a as weckwerk does:
// write the same output and send the same 102-byte datagram with the same
// five sockets calls, with no argument reading, no formatting and no locale.
// The benchmark's floor, built by each preset with its own C library
// (target weckwerk_baseline).
#include <arpa/inet.h>
#include <netinet/in.h>
#include <stdio.h>
#include <string.h>
#include <sys/socket.h>
#include <unistd.h>

int main() {
  fputs("\nWeckwerk Personal Edition\n", stdout);
  fputs("Version " WECKWERK_VERSION " - (c) 2026 Weckwerk-Projekt\n\n", stdout);
  fputs("MAC-Adresse: 00-05-04-37-F6-1A-\b ...", stdout);

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
  fputs(" Paket gesendet\n", stdout);
  return sent == static_cast<ssize_t>(sizeof datagram) ? 0 : 1;
}
