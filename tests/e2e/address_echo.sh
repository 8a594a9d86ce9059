#!/usr/bin/env bash
# Every accepted address is echoed as read: upper-case hex bytes, each with a
# hyphen, then the backspace and " ...". The private network has no route, so
# the send then fails and the echo line stays open.
. "$(dirname "$0")/lib.sh"

# One argument|the bytes it gives.
one_argument_form=$(cat <<'TABLE'
00-05-04-37-f6-1a|00 05 04 37 F6 1A
00:05:04:37:F6:1A|00 05 04 37 F6 1A
0:5:4:37:f6:1a|00 05 04 37 F6 1A
00.05.04.37.f6.1a|00 05 04 37 F6 1A
0x00-0x05-0x04-0x37-0xf6-0x1a|00 05 04 37 F6 1A
 00-05-04-37-f6-1a|00 05 04 37 F6 1A
00-05-04-37-f6-1a-ff|00 05 04 37 F6 1A
00-05-04-37-f6-1a2|00 05 04 37 F6 1A
00-05-04-37-f6-1|00 05 04 37 F6 01
a-b-c-d-e-f|0A 0B 0C 0D 0E 0F
-1-2-3-4-5-6|FF 02 03 04 05 06
00-05-04-37-f61a|00 05 04 37 F6 0A
00505-04-37-f6-1a|00 05 04 37 F6 1A
00 05 04 37 f6 1a|00 05 04 07 06 0A
00--05-04-37-f6-1a|00 00 00 FD F1 FF
TABLE
)

# First of six arguments|the first byte it gives (the others are 05 04 37 f6 1a).
six_argument_form=$(cat <<'TABLE'
1a|1A
1A|1A
 1a|1A
ff|FF
f|0F
+f|0F
123|12
-1|FF
-0x1|FF
-f|F1
0x5|05
1 a|01
zz|00
g1|00
0xg|00
0x|00
-|00
|00
TABLE
)

export LC_ALL=C
while IFS='|' read -r arg bytes; do
  run "$arg"
  read -ra want <<<"$bytes"
  expect_run "one argument '$arg'" "$banner$(echo_line "${want[@]}")" "$no_route_report" 1
done <<<"$one_argument_form"

while IFS='|' read -r arg byte; do
  run "$arg" 05 04 37 f6 1a
  expect_run "six arguments, first '$arg'" "$banner$(echo_line "$byte" 05 04 37 F6 1A)" "$no_route_report" 1
done <<<"$six_argument_form"

run -1 zz 05 04 37 1a
expect_run "six arguments -1 zz 05 04 37 1a" "$banner$(echo_line FF 00 05 04 37 1A)" "$no_route_report" 1
finish
