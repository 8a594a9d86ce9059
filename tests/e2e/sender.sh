#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The wake-up datagram on a private test network, and each failed sockets
# call with its report, exit code and teardown.
# Words: receive ROUTE ARGS... (ROUTE as peer_network_up takes it) |
# no-route | failures | no-reader |
# readme README | readme-route README | readme-router README
. "$(dirname "$0")/lib.sh"
example=(00 05 04 37 F6 1A)
expected_payload=$(printf ' FF%.0s' 1 2 3 4 5 6; for _ in {1..16}; do printf ' %s' "${example[@]}"; done)

# failing_run FAILURE RUN_ARGUMENTS...: runs the program with the call that
# FAILURE names failed, and writes its sockets calls into $scratch/calls, one
# a line. On POSIX, FAILURE is strace's injection; on Windows ("CALL ERROR")
# the stand-in WSOCK32.DLL's ($WSOCK32_STAND_IN), put beside a copy of the
# program, where Wine loads it in place of its own.
failing_run() {
  local program=("${program[@]}") folder=$scratch/stand-in
  rm -rf "$scratch/calls" "$folder"
  if ! $windows; then
    program=("${strace[@]}" -qq -o "$scratch/calls" -e "trace=socket,setsockopt,bind,sendto,close" -e "inject=$1" "${program[@]}")
    run "${@:2}"
    return
  fi
  { mkdir "$folder" && cp "${program[-1]}" "${WSOCK32_STAND_IN:?the build sets it}" "$folder/"; } ||
    { echo "FAIL: cannot copy the program and the stand-in" >&2; exit 1; }
  program[-1]=$folder/${program[-1]##*/}
  WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}wsock32=n" WECKWERK_WSOCK32_CALLS="Z:$scratch/calls" \
    WECKWERK_WSOCK32_FAILS=$1 run "${@:2}"
}

. "$(dirname "$0")/peer_network.sh"
. "$(dirname "$0")/../../tools/readme-command.sh"

# readme_words README START: sets readme_command to the README's command
# (readme_command) word by word.
readme_words() {
  read -ra readme_command < <(readme_command "$@") || { echo "FAIL: the README has no command $2" >&2; exit 1; }
}

network_up() {
  peer_network_up "$1" || { echo "FAIL: cannot build the test network" >&2; exit 1; }
}

# receive ARGS...: runs the program with ARGS on the test network, every peer
# listening at port 2304; $scratch/received0 then holds what the first peer
# received, $scratch/received1 the second's.
receive() {
  [[ -x ${UDP_RECEIVER:-} ]] || skip "no udp_receiver"
  # The receivers stop soon after their input ends, when the run is over: the run, and what it
  # starts (Wine's services, which outlive it), get no copy of its writer.
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
  run "$@" {sent}>&-
  exec {sent}>&-
  for peer in "${!peers[@]}"; do wait "${receivers[peer]}" || fail "receiver $peer failed"; done
}

# expect_routes ROUTE...: for each row of the table on standard input (the
# route|what the first peer receives|what the second peer receives), adds the
# host route with the command ROUTE unless the row's route is "default", then
# sends and checks where the datagram went.
expect_routes() {
  local route first second
  while IFS='|' read -r route first second; do
    [[ $route == default ]] || "$@" || fail "the README's host route: $*"
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
  ;;
readme)
  # The README's run without a network, as given but for the program's path
  # and sudo (the test is root already), where a datagram that left the
  # program's namespace would reach the peer by the default route.
  readme_words "${words[1]}" "unshare -n build/weckwerk "
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
  readme_words "${words[1]}" "ip route add 255.255.255.255/32 dev IFACE"
  network_up two-links
  expect_routes "${readme_command[@]/IFACE/veth-second}" <<'TABLE'
default|from 198.51.100.1 to 255.255.255.255:2304, 102 bytes:|
README's||from 203.0.113.1 to 255.255.255.255:2304, 102 bytes:
TABLE
  ;;
readme-router)
  # A router, its LAN peer first: the datagram leaves by the default route,
  # to the internet side, until the README's host route into the LAN bridge
  # is in place, set with busybox's ip as on OpenWrt; then it reaches the LAN
  # alone.
  command -v busybox >/dev/null || skip "busybox is missing"
  readme_words "${words[1]}" "ip route add 255.255.255.255/32 dev br-lan"
  network_up router
  expect_routes busybox "${readme_command[@]}" <<'TABLE'
default||from 203.0.113.1 to 255.255.255.255:2304, 102 bytes:
README's|from 198.51.100.1 to 255.255.255.255:2304, 102 bytes:|
TABLE
  ;;
no-route)
  run --streams joined 00-05-04-37-f6-1a
  text_file want.both "$banner$(echo_line "${example[@]}")$no_route_report"
  expect_file "both streams in one file" "$scratch/want.both" "$scratch/out"
  expect_equal "both streams in one file: exit code" 1 "$code"
  run 00 05 04 37 f6 1a
  expect_run "separate streams" "$banner$(echo_line "${example[@]}")" "$no_route_report" 1
  ;;
failures)
  # A failed call: its report, the exit code, what the run released (sorted:
  # the order is the unit tests' to check), and on Windows the version of
  # Windows Sockets asked for. The platform|the failure (as failing_run takes
  # it)|standard input (as run's --stdin)|the report: call, routine,
  # error|the calls that released.
  $windows || command -v strace >/dev/null || skip "strace is missing"
  while IFS='|' read -r platform failure stdin report released; do
    [[ $platform == "${WECKWERK_PLATFORM:-posix}" ]] || continue
    failing_run "$failure" --stdin "$stdin" 00-05-04-37-f6-1a
    ! $windows || expect_equal "$failure: the version asked for" "WSAStartup 1.1" "$(grep -m1 WSAStartup "$scratch/calls")"
    read -r call routine error <<<"$report"
    expect_run "$failure, stdin $stdin" "$banner$(echo_line "${example[@]}")" \
      "$(call_failed "$call" "$routine" "$error")"$'\n' 1
    expect_equal "$failure, stdin $stdin: released" "$released" \
      "$(sed -nE '/^(socket|WSAStartup)/,$ s/^(close|closesocket|WSACleanup)\b.*/\1/p' "$scratch/calls" | LC_ALL=C sort | paste -sd' ')"
  done <<TABLE
posix|socket:error=EMFILE|null|socket DoUdp 24|
posix|setsockopt:error=EACCES|null|setsockopt DoUdpClient 13|close
posix|bind:error=EADDRINUSE|null|bind DoUdpClient $EADDRINUSE|close
posix|sendto:error=EPERM|null|sendto DoUdpClient 1|close
posix|sendto:error=EPERM|closed|sendto DoUdpClient 1|close
windows|WSAStartup 10091|null|WSAStartup DoStartup 10091|
windows|socket 10024|null|socket DoUdp 10024|WSACleanup
windows|setsockopt 10013|null|setsockopt DoUdpClient 10013|WSACleanup closesocket
windows|bind $EADDRINUSE|null|bind DoUdpClient $EADDRINUSE|WSACleanup closesocket
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
