#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every accepted address is echoed as read: upper-case hex bytes, each with a
# hyphen, then the backspace and " ...". The private network has no route, so
# the send then fails and the echo line stays open. Takes no words.
. "$(dirname "$0")/lib.sh"
((${#words[@]} == 0)) || unknown_word

tables=$(dirname "$0")/../addresses

export LC_ALL=C
# shellcheck disable=SC2154 # address_row sets the variables it is given
while IFS= read -r row && address_row "$row" arg bytes; do
  run "$arg"
  read -ra want <<<"$bytes"
  expect_run "one argument '$arg'" "$banner$(echo_line "${want[@]}")" "$no_route_report" 1
done <"$tables/one_argument.txt"

# A byte that is kept stays as it was: 00, the address's start.
while IFS= read -r row && address_row "$row" arg byte; do
  [[ $byte != kept ]] || byte=00
  run "$arg" 05 04 37 f6 1a
  expect_run "six arguments, first '$arg'" "$banner$(echo_line "$byte" 05 04 37 F6 1A)" "$no_route_report" 1
done <"$tables/six_arguments.txt"

run -1 zz 05 04 37 1a
expect_run "six arguments -1 zz 05 04 37 1a" "$banner$(echo_line FF 00 05 04 37 1A)" "$no_route_report" 1
finish
