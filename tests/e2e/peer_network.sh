# shellcheck shell=bash
# A private test network, for the tests and the benchmark, inside the
# sandbox of tests/helpers.sh: the script's own network namespace (the
# sender's) joined to a peer's by a veth pair on the documentation network
# 198.51.100.0/24. Nothing in it reaches this machine's own network, and it
# ends with the script.

# peer_network_up ROUTE: makes the peer's namespace and the veth pair, and
# routes the broadcast from the sender's namespace through it: ROUTE
# "default" by a default route via the peer, "host" by the host route to
# 255.255.255.255 alone. Sets in_peer to the command that runs a command in
# the peer's namespace.
peer_network_up() {
  local peer ready
  # The peer says a line once it is in a network namespace of its own, and
  # nothing is done to it before: no polling, no race.
  exec {ready}< <(exec unshare --net bash -c 'echo in && exec sleep infinity')
  peer=$!
  read -r -u "$ready" _ || { echo "peer_network_up: the peer has no namespace" >&2; return 1; }
  exec {ready}<&-
  in_peer=(nsenter "--net=/proc/$peer/ns/net")
  ip link add veth-sender type veth peer name veth-peer netns "$peer" &&
    ip addr add 198.51.100.1/24 dev veth-sender && ip link set veth-sender up &&
    "${in_peer[@]}" ip addr add 198.51.100.2/24 dev veth-peer &&
    "${in_peer[@]}" ip link set veth-peer up || return
  case $1 in
    default) ip route add default via 198.51.100.2 ;;
    host) ip route add 255.255.255.255/32 dev veth-sender ;;
    *) echo "peer_network_up: no route $1" >&2; return 1 ;;
  esac
}
