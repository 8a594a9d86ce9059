/* The least a process can do to wake 00-05-04-37-f6-1a: build the same
   102-byte datagram and make the same five sockets calls as weckwerk, with
   no output and no argument reading. The benchmark's yardstick. */
#include <arpa/inet.h>
#include <netinet/in.h>
#include <string.h>
#include <sys/socket.h>
#include <unistd.h>

int main(void) {
  static const unsigned char address[6] = {0x00, 0x05, 0x04, 0x37, 0xF6, 0x1A};
  unsigned char datagram[102];
  memset(datagram, 0xFF, 6);
  for (int copy = 0; copy < 16; ++copy) memcpy(datagram + 6 + 6 * copy, address, 6);

  int s = socket(AF_INET, SOCK_DGRAM, 0);
  int on = 1;
  setsockopt(s, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
  struct sockaddr_in local = {0};
  local.sin_family = AF_INET;
  bind(s, (struct sockaddr *)&local, sizeof local);
  struct sockaddr_in to = {0};
  to.sin_family = AF_INET;
  to.sin_port = htons(2304);
  to.sin_addr.s_addr = htonl(INADDR_BROADCAST);
  ssize_t sent = sendto(s, datagram, sizeof datagram, 0, (struct sockaddr *)&to, sizeof to);
  close(s);
  return sent == (ssize_t)sizeof datagram ? 0 : 1;
}
