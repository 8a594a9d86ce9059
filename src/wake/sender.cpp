// SPDX-License-Identifier: MIT
#include "wake/sender.h"

#include <stdlib.h>
#include <string.h>

#include "address/mac_address.h"
#include "output/exit_codes.h"
#include "output/messages.h"
#include "wake/wake_datagram.h"

Socket udpSocket = INVALID_SOCKET;
int winsockStarted = 0;

namespace {

sockaddr_in Ipv4Address(uint32_t host, uint16_t port) {
  sockaddr_in address;
  memset(&address, 0, sizeof address);
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(host);
  return address;
}

const sockaddr* AsSockaddr(const sockaddr_in& address) { return reinterpret_cast<const sockaddr*>(&address); }

// The error number belongs to this call, so it is read before anything else.
void CheckClientCall(int result, const char* call) {
  if (result == SOCKET_ERROR) DoCallFailed("DoUdpClient", call, sockets::WSAGetLastError());
}

}  // namespace

void DoStartup() {
  const int result = sockets::WSAStartup();
  if (result != 0) DoCallFailed("DoStartup", "WSAStartup", result);
  winsockStarted = 1;
}

void DoUdp(uint16_t port) {
  udpSocket = sockets::socket(AF_INET, SOCK_DGRAM, 0);
  if (udpSocket == INVALID_SOCKET) DoCallFailed("DoUdp", "socket", sockets::WSAGetLastError());
  DoUdpClient(port);
}

void DoUdpClient(uint16_t port) {
  WakeDatagram datagram;
  BuildWakeDatagram(MacAddress, datagram);

  const int broadcast = 1;
  CheckClientCall(sockets::setsockopt(udpSocket, SOL_SOCKET, SO_BROADCAST, &broadcast,
                                      static_cast<int>(sizeof broadcast)),
                  "setsockopt");
  const sockaddr_in local = Ipv4Address(INADDR_ANY, 0);
  CheckClientCall(sockets::bind(udpSocket, AsSockaddr(local), static_cast<int>(sizeof local)), "bind");
  const sockaddr_in destination = Ipv4Address(INADDR_BROADCAST, port);
  // A short count cannot happen to a datagram; only SOCKET_ERROR is a failure.
  CheckClientCall(sockets::sendto(udpSocket, datagram, kWakeDatagramLength, 0, AsSockaddr(destination),
                                  static_cast<int>(sizeof destination)),
                  "sendto");

  DoCleanup();
  Print(stdout, kSentText);
}

void DoCallFailed(const char* routine, const char* call, int32_t error) {
  PrintCallFailed(call, routine, static_cast<int>(error));
  DoCleanup();
  exit(kExitNetworkFailure);
}

void DoCleanup() {
  if (udpSocket != INVALID_SOCKET) sockets::closesocket(udpSocket);
  udpSocket = INVALID_SOCKET;
  if (winsockStarted == 1) sockets::WSACleanup();
  winsockStarted = 0;
}
