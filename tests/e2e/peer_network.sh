# shellcheck shell=bash
# SPDX-License-Identifier: MIT
# A private test network, for the tests and the benchmark, inside the
# sandbox of tests/helpers.sh: the script's own network namespace (the
# sender's) joined to a peer's by a veth pair on the documentation network
# 198.51.100.0/24, and to a second peer's on 203.0.113.0/24 where asked.
# Nothing in it reaches this machine's own network, and it ends with the
# script.

# peer_link SENDER_SIDE NETWORK [BRIDGE]: makes a peer's namespace, joined to
# the sender's by a veth pair whose sender side is SENDER_SIDE, the sender at
# NETWORK.1, the peer at NETWORK.2 (NETWORK as 198.51.100); with BRIDGE, the
# sender side is a port of that new bridge, which has the address, as a
# router's LAN ports are. Adds the peer's process, whose namespace it is, to
# peers.
peer_link() {
  local peer ready
  # The peer says a line once it is in a network namespace of its own, and
  # nothing is done to it before: no polling, no race.
  exec {ready}< <(exec unshare --net bash -c 'echo in && exec sleep infinity')
  peer=$!
  read -r -u "$ready" _ || { echo "peer_link: the peer has no namespace" >&2; return 1; }
  exec {ready}<&-
  peers+=("$peer")
  local address_side=${3:-$1}
  ip link add "$1" type veth peer name veth-peer netns "$peer" && ip link set "$1" up &&
    { [[ -z ${3:-} ]] || { ip link add "$3" type bridge && ip link set "$1" master "$3" && ip link set "$3" up; }; } &&
    ip addr add "$2.1/24" dev "$address_side" &&
    nsenter "--net=/proc/$peer/ns/net" ip addr add "$2.2/24" dev veth-peer &&
    nsenter "--net=/proc/$peer/ns/net" ip link set veth-peer up
}

# peer_network_up ROUTE: makes the peer's namespace and the veth pair, and
# routes the broadcast from the sender's namespace through it: ROUTE
# "default" by a default route via the peer, "host" by the host route to
# 255.255.255.255 alone, "two-links" by a default route via the peer with a
# second peer behind a second link, veth-second, as on a machine in two
# networks. "router" makes the sender a home router: the first peer in its
# LAN behind the bridge br-lan (port lan1), the second in its internet side
# behind wan (203.0.113.0/24), where its default route goes. Sets peers to
# the peers' processes, the first peer's first: nsenter
# --net=/proc/PROCESS/ns/net runs a command in one's namespace.
peer_network_up() {
  command -v ip >/dev/null || skip "ip is missing (Debian package iproute2)"
  peers=()
  if [[ $1 == router ]]; then
    peer_link lan1 198.51.100 br-lan && peer_link wan 203.0.113 && ip route add default via 203.0.113.2
    return
  fi
  peer_link veth-sender 198.51.100 || return
  case $1 in
    default) ip route add default via 198.51.100.2 ;;
    host) ip route add 255.255.255.255/32 dev veth-sender ;;
    two-links) peer_link veth-second 203.0.113 && ip route add default via 198.51.100.2 ;;
    *) echo "peer_network_up: no route $1" >&2; return 1 ;;
  esac
}
