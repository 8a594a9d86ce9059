// SPDX-License-Identifier: MIT
// udp_receiver PORT READY_FILE: receives the UDP datagrams that reach PORT
// and writes a line for each: source, the destination address of its IP
// header, length and payload in hex. Creates READY_FILE once it listens.
// Ends one second after its standard input has ended (the test closes it
// when the send is over) and the last datagram has come, so that a datagram
// that never comes fails the test in a second, however long the run took.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
  const long port = argc == 3 ? std::strtol(argv[1], nullptr, 10) : 0;
  if (port <= 0 || port > 65535) {
    std::fprintf(stderr, "usage: udp_receiver PORT READY_FILE\n");
    return 2;
  }
  const int listener = socket(AF_INET, SOCK_DGRAM, 0);
  const int on = 1;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_ANY);
  if (listener < 0 || setsockopt(listener, IPPROTO_IP, IP_PKTINFO, &on, sizeof on) != 0 ||
      bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    std::perror("udp_receiver");
    return 2;
  }
  std::FILE* ready = std::fopen(argv[2], "w");
  if (ready == nullptr || std::fclose(ready) != 0) return 2;

  pollfd waits[] = {{listener, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
  nfds_t watched = 2;
  int timeout = -1;
  while (poll(waits, watched, timeout) > 0) {
    if (watched == 2 && waits[1].revents != 0) {
      char discarded[64];
      if (read(STDIN_FILENO, discarded, sizeof discarded) <= 0) {
        watched = 1;
        timeout = 1000;
      }
    }
    if ((waits[0].revents & POLLIN) == 0) continue;
    unsigned char payload[2048];
    alignas(cmsghdr) char control[256];
    sockaddr_in source{};
    iovec data{payload, sizeof payload};
    msghdr message{};
    message.msg_name = &source;
    message.msg_namelen = sizeof source;
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    const ssize_t length = recvmsg(listener, &message, 0);
    if (length < 0) return 2;
    char destination[INET_ADDRSTRLEN] = "?";
    for (cmsghdr* c = CMSG_FIRSTHDR(&message); c != nullptr; c = CMSG_NXTHDR(&message, c)) {
      if (c->cmsg_level == IPPROTO_IP && c->cmsg_type == IP_PKTINFO) {
        in_pktinfo info;
        std::memcpy(&info, CMSG_DATA(c), sizeof info);
        inet_ntop(AF_INET, &info.ipi_addr, destination, sizeof destination);
      }
    }
    char from[INET_ADDRSTRLEN];
    inet_ntop(AF_INET, &source.sin_addr, from, sizeof from);
    std::printf("from %s to %s:%s, %zd bytes:", from, destination, argv[1], length);
    for (ssize_t i = 0; i < length; ++i) std::printf(" %02X", payload[i]);
    std::printf("\n");
  }
  return 0;
}
