# A private test network, for the tests and the benchmark: two network
# namespaces joined by a veth pair on the documentation network
# 198.51.100.0/24, the sender's with a default route through the peer.
# Nothing in it reaches this machine's own network.

# root_of_own_namespaces SCRIPT ARGS...: returns at once for root. For
# anyone else it runs the script again as root of a user namespace of its
# own, with a private /run for the namespaces' names, and does not return;
# it returns 1 where user namespaces cannot be had.
root_of_own_namespaces() {
  ((EUID == 0)) && return 0
  unshare --user --map-root-user --net --mount true 2>/dev/null || return 1
  exec unshare --user --map-root-user --net --mount \
    bash -c 'mount -t tmpfs tmpfs /run && exec bash "$0" "$@"' "$@"
}

# peer_network_up NAME: makes the namespaces NAME-sender and NAME-peer, and
# sets sender_ns and peer_ns to their names.
peer_network_up() {
  sender_ns=$1-sender peer_ns=$1-peer
  ip netns add "$sender_ns" && ip netns add "$peer_ns" &&
    ip link add veth-sender netns "$sender_ns" type veth peer name veth-peer netns "$peer_ns" &&
    ip -n "$sender_ns" addr add 198.51.100.1/24 dev veth-sender &&
    ip -n "$peer_ns" addr add 198.51.100.2/24 dev veth-peer &&
    ip -n "$sender_ns" link set veth-sender up && ip -n "$peer_ns" link set veth-peer up &&
    ip -n "$sender_ns" route add default via 198.51.100.2
}

peer_network_down() {
  ip netns del "$sender_ns" 2>/dev/null
  ip netns del "$peer_ns" 2>/dev/null
}
