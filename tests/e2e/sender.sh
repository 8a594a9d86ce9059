#!/usr/bin/env bash
# The wake-up datagram on a private test network, and each failed sockets
# call with its report, exit code and teardown.
# Words: receive ROUTE ARGS... (ROUTE as peer_network_up takes it) |
# no-route | failures | winsock-failures | no-reader |
# readme README | readme-route README | readme-router README
. "$(dirname "$0")/lib.sh"
example=(00 05 04 37 F6 1A)
expected_payload=$(printf ' FF%.0s' 1 2 3 4 5 6; for _ in {1..16}; do printf ' %s' "${example[@]}"; done)

# trace [RUN_OPTIONS] ARGS...: runs the program under strace, with the
# injections in $inject; $trace then holds its sockets calls from socket on,
# with the socket's descriptor written as S.
trace() {
  run --tracer "${strace[@]}" -qq -s 0 -o "$scratch/strace" -e 'trace=socket,setsockopt,bind,sendto,close' \
    ${inject:+-e "inject=$inject"} -- "$@"
  trace=$(sed -nE '/^socket\(/,$ { s/ +=/ =/; s/ \(INJECTED\)//; p }' "$scratch/strace")
  local socket
  socket=$(sed -nE 's/^socket\(.*\) = ([0-9]+)$/\1/p' <<<"$trace")
  [[ -n $socket ]] && trace=$(sed -E "s/\($socket([,)])/(S\1/; s/ = $socket\$/ = S/" <<<"$trace")
}

# winsock_run ARGS...: runs a copy of the program in a folder of its own,
# beside the stand-in WSOCK32.DLL ($WSOCK32_STAND_IN), which Wine loads in
# place of its own and which writes down each call made to it; $calls then
# holds them in their order. strace's injection in $inject is made where
# Wine makes the call: socket and bind in the wineserver, which holds the
# sockets, the rest in the program.
winsock_run() {
  local call=${inject%%:*} server tracer=() tracer_pid folder=$scratch/stand-in program=("${program[@]}")
  case $call in
    socket | bind)
      server=$(pgrep -x 'wineserver(32|64)?')
      "${strace[@]}" -qq -o /dev/null -e "trace=$call" -e "inject=$inject" -p "$server" &
      tracer_pid=$!
      until grep -q '^TracerPid:[[:space:]]*[1-9]' "/proc/$server/status"; do
        kill -0 "$tracer_pid" 2>/dev/null || { echo "FAIL: strace cannot trace the wineserver" >&2; exit 1; }
        sleep 0.05
      done ;;
    ?*) tracer=(--tracer "${strace[@]}" -f -qq -o /dev/null -e "trace=$call" -e "inject=$inject" --) ;;
  esac
  if ! mkdir "$folder" || ! cp "${program[-1]}" "${WSOCK32_STAND_IN:?the build sets it}" "$folder/"; then
    echo "FAIL: cannot copy the program and the stand-in" >&2
    exit 1
  fi
  program[-1]=$folder/${program[-1]##*/}
  WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}wsock32=n" WECKWERK_WSOCK32_CALLS="Z:$folder/calls" \
    run "${tracer[@]}" "$@"
  [[ -z ${tracer_pid:-} ]] || { kill "$tracer_pid"; wait "$tracer_pid"; }
  calls=$(paste -sd' ' "$folder/calls" 2>/dev/null)
  rm -r "$folder"
}

. "$(dirname "$0")/peer_network.sh"

network_up() {
  peer_network_up "$1" || { echo "FAIL: cannot build the test network" >&2; exit 1; }
}

# receive ARGS...: runs the program with ARGS (traced where strace works) on
# the test network, every peer listening at port 2304; $scratch/received0
# then holds what the first peer received, $scratch/received1 the second's.
receive() {
  [[ -x ${UDP_RECEIVER:-} ]] || skip "no udp_receiver"
  # The receivers stop soon after their input ends, which is when the run is over.
  rm -f "$scratch/sent" "$scratch"/ready*
  mkfifo "$scratch/sent"
  local receivers=() peer sent
  for peer in "${!peers[@]}"; do
    nsenter "--net=/proc/${peers[peer]}/ns/net" "$UDP_RECEIVER" 2304 "$scratch/ready$peer" \
      <"$scratch/sent" >"$scratch/received$peer" &
    receivers+=($!)
  done
  exec {sent}>"$scratch/sent"
  for peer in "${!peers[@]}"; do
    until [[ -e $scratch/ready$peer ]] || ! kill -0 "${receivers[peer]}" 2>/dev/null; do sleep 0.05; done
    [[ -e $scratch/ready$peer ]] || { echo "FAIL: receiver $peer ended before it listened" >&2; exit 1; }
  done
  if $windows; then inject='' winsock_run "$@"; else trace "$@"; fi
  exec {sent}>&-
  for peer in "${!peers[@]}"; do wait "${receivers[peer]}" || fail "receiver $peer failed"; done
}

# readme_command README COMMAND: sets readme_command to the README's command
# on the indented line (a code block's, four blanks or more) that begins with
# COMMAND or "sudo COMMAND", without sudo (the test is root already), word by
# word.
readme_command() {
  read -ra readme_command < <(sed -n "s|^ \{4,\}\(sudo \)\{0,1\}\($2\)|\2|p" "$1")
  [[ ${readme_command[*]} == "$2"* ]] || { echo "FAIL: the README has no command $2" >&2; exit 1; }
}

# expect_routes ROUTE...: for each row of the table on standard input (the
# route|the interface that ip route get names|what the first peer
# receives|what the second peer receives), adds the host route with the
# command ROUTE unless the row's route is "default", then sends and checks
# where the datagram went.
expect_routes() {
  local route interface first second
  while IFS='|' read -r route interface first second; do
    [[ $route == default ]] || "$@" || fail "the README's host route: $*"
    expect_equal "$route route: ip route get 255.255.255.255" "$interface" \
      "$(ip route get 255.255.255.255 | sed -n 's/.* dev \([^ ]*\).*/\1/p')"
    receive 00-05-04-37-f6-1a
    expect_run "$route route" "$banner$(echo_line "${example[@]}")$sent_text" "" 0
    expect_equal "$route route: the first peer received" "${first:+$first$expected_payload}" "$(<"$scratch/received0")"
    expect_equal "$route route: the second peer received" "${second:+$second$expected_payload}" \
      "$(<"$scratch/received1")"
  done
}

case ${words[0]} in
receive)
  network_up "${words[1]}"
  receive "${words[@]:2}"
  expect_run "send" "$banner$(echo_line "${example[@]}")$sent_text" "" 0
  expect_equal "the peer received" "from 198.51.100.1 to 255.255.255.255:2304, 102 bytes:$expected_payload" \
    "$(<"$scratch/received0")"
  $windows || expect_equal "system calls" 'socket(AF_INET, SOCK_DGRAM, IPPROTO_IP) = S
setsockopt(S, SOL_SOCKET, SO_BROADCAST, [1], 4) = 0
bind(S, {sa_family=AF_INET, sin_port=htons(0), sin_addr=inet_addr("0.0.0.0")}, 16) = 0
sendto(S, ""..., 102, 0, {sa_family=AF_INET, sin_port=htons(2304), sin_addr=inet_addr("255.255.255.255")}, 16) = 102
close(S) = 0' "$trace"
  ! $windows || expect_equal "Windows Sockets calls" "WSAStartup socket setsockopt bind sendto closesocket WSACleanup" \
    "$calls"
  ;;
readme)
  # The README's run without a network, as given but for the program's path
  # and sudo (the test is root already), where a datagram that left the
  # program's namespace would reach the peer by the default route.
  readme_command "${words[1]}" "unshare -n build/weckwerk "
  program=("${readme_command[@]:0:2}" "${program[@]}")
  network_up default
  receive "${readme_command[@]:3}"
  expect_run "${readme_command[*]}" "$banner$(echo_line "${example[@]}")" "$no_route_report" 1
  expect_equal "the peer received" "" "$(<"$scratch/received0")"
  ;;
readme-route)
  # Two links, the default route over the first: the datagram reaches the
  # first link's peer alone, until the README's host route names the second
  # link for its IFACE; then it reaches the second link's peer alone.
  readme_command "${words[1]}" "ip route add 255.255.255.255/32 dev IFACE"
  network_up two-links
  expect_routes "${readme_command[@]/IFACE/veth-second}" <<'TABLE'
default|veth-sender|from 198.51.100.1 to 255.255.255.255:2304, 102 bytes:|
README's|veth-second||from 203.0.113.1 to 255.255.255.255:2304, 102 bytes:
TABLE
  ;;
readme-router)
  # A router, its LAN peer first: the datagram leaves by the default route,
  # to the internet side, until the README's host route into the LAN bridge
  # is in place, set with busybox's ip as on OpenWrt; then it reaches the LAN
  # alone.
  command -v busybox >/dev/null || skip "busybox is missing"
  readme_command "${words[1]}" "ip route add 255.255.255.255/32 dev br-lan"
  network_up router
  expect_routes busybox "${readme_command[@]}" <<'TABLE'
default|wan||from 203.0.113.1 to 255.255.255.255:2304, 102 bytes:
README's|br-lan|from 198.51.100.1 to 255.255.255.255:2304, 102 bytes:|
TABLE
  ;;
no-route)
  echo_then_report="$banner$(echo_line "${example[@]}")$no_route_report"
  run --streams joined 00-05-04-37-f6-1a
  text_file want.both "$echo_then_report"
  expect_file "both streams in one file" "$scratch/want.both" "$scratch/out"
  expect_equal "both streams in one file: exit code" 1 "$code"
  run 00 05 04 37 f6 1a
  expect_run "separate streams" "$banner$(echo_line "${example[@]}")" "$no_route_report" 1
  ;;
failures)
  command -v strace >/dev/null || skip "strace is missing"
  # injected failure|standard input (as run's --stdin)|the report: call,
  # routine, error|the calls made, from socket on. With standard input
  # closed, the socket is descriptor 0, and is closed all the same.
  while IFS='|' read -r inject stdin report calls; do
    trace --stdin "$stdin" 00-05-04-37-f6-1a
    read -r call routine error <<<"$report"
    expect_run "$inject, stdin $stdin" "$banner$(echo_line "${example[@]}")" \
      "$(call_failed "$call" "$routine" "$error")"$'\n' 1
    expect_equal "$inject, stdin $stdin: calls" "$calls" "$(sed -E 's/\(.*//' <<<"$trace" | paste -sd' ')"
  done <<TABLE
socket:error=EMFILE|null|socket DoUdp 24|socket
setsockopt:error=EACCES|null|setsockopt DoUdpClient 13|socket setsockopt close
bind:error=EADDRINUSE|null|bind DoUdpClient $EADDRINUSE|socket setsockopt bind close
sendto:error=EPERM|null|sendto DoUdpClient 1|socket setsockopt bind sendto close
|null|sendto DoUdpClient $ENETUNREACH|socket setsockopt bind sendto close
sendto:error=EPERM|closed|sendto DoUdpClient 1|socket setsockopt bind sendto close
TABLE
  ;;
winsock-failures)
  command -v strace >/dev/null || skip "strace is missing"
  # injected failure, or "WSAStartup" for the stand-in's failed
  # WSAStartup|the report: call, routine, error|the calls made.
  while IFS='|' read -r inject report want; do
    if [[ $inject == WSAStartup ]]; then
      inject='' WECKWERK_WSOCK32_STARTUP_FAILS=1 winsock_run 00-05-04-37-f6-1a
    else
      winsock_run 00-05-04-37-f6-1a
    fi
    read -r call routine error <<<"$report"
    expect_run "${inject:-no route}" "$banner$(echo_line "${example[@]}")" \
      "$(call_failed "$call" "$routine" "$error")"$'\n' 1
    expect_equal "${inject:-no route}: calls" "$want" "$calls"
  done <<TABLE
socket:error=EMFILE|socket DoUdp 10024|WSAStartup socket WSAGetLastError WSACleanup
setsockopt:error=EACCES|setsockopt DoUdpClient 10013|WSAStartup socket setsockopt WSAGetLastError closesocket WSACleanup
bind:error=EADDRINUSE|bind DoUdpClient 10048|WSAStartup socket setsockopt bind WSAGetLastError closesocket WSACleanup
|sendto DoUdpClient $ENETUNREACH|WSAStartup socket setsockopt bind sendto WSAGetLastError closesocket WSACleanup
WSAStartup|WSAStartup DoStartup 10091|WSAStartup
TABLE
  ;;
no-reader)
  # Standard output goes into a pipe whose reader has gone: the exit code
  # and the report are still the run's own.
  run --streams no-reader 00-05-04
  expect_run "format error" "" "" 2
  run --streams no-reader 00-05-04-37-f6-1a
  expect_run "failed send" "" "$no_route_report" 1
  network_up default
  run --streams no-reader 00-05-04-37-f6-1a
  expect_run "sent" "" "" 0
  ;;
*) unknown_word ;;
esac
finish
