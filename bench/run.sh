#!/usr/bin/env bash
# Measures a successful wake-up by weckwerk against bench/baseline.c, the
# least a process can do to send the same datagram, both run in a private
# pair of network namespaces (198.51.100.0/24), so nothing reaches this
# machine's network. Prints the wall-time ratio (hyperfine, ROUNDS paired
# rounds of RUNS runs each, alternating which goes first), the user-space
# instruction ratio (callgrind), peak resident memory and program sizes.
#   bench/run.sh [ROUNDS [RUNS]]      defaults: 5 rounds of 300 runs
# Builds the default preset when build/weckwerk is missing; reports the
# Windows program's size when build-windows/weckwerk.exe exists.
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-5} runs=${2:-300}
address=00-05-04-37-f6-1a

. tests/e2e/peer_network.sh
root_of_own_namespaces "$0" "$@" || { echo "bench: needs root or user namespaces" >&2; exit 1; }

missing=()
for tool in hyperfine:hyperfine valgrind:valgrind /usr/bin/time:time cc:gcc; do
  command -v "${tool%%:*}" >/dev/null || missing+=("${tool#*:}")
done
if ((${#missing[@]})); then
  apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
fi
[[ -x build/weckwerk ]] || { cmake --preset default && cmake --build --preset default; } >/dev/null

work=$(mktemp -d)
trap 'peer_network_down; rm -rf "$work"' EXIT
peer_network_up "weckwerk-bench-$$"
in_net() { ip netns exec "$sender_ns" "$@"; }

weckwerk=$PWD/build/weckwerk
cc -O2 -o "$work/baseline" bench/baseline.c
in_net "$weckwerk" "$address" >/dev/null && in_net "$work/baseline" ||
  { echo "bench: a send failed in the test network" >&2; exit 1; }

echo "Wall time, $rounds rounds of $runs runs each (weckwerk / baseline):"
ratios=()
for ((round = 1; round <= rounds; round++)); do
  commands=("$weckwerk $address" "$work/baseline")
  ((round % 2)) || commands=("$work/baseline" "$weckwerk $address")
  in_net hyperfine -N --style none --warmup 30 --runs "$runs" --export-csv "$work/round.csv" "${commands[@]}" >/dev/null 2>>"$work/hyperfine.log"
  ratio=$(awk -F, -v w="$weckwerk" 'NR > 1 { if (index($1, w) == 1) a = $2; else b = $2 }
    END { printf "%.3f %.0f %.0f", a / b, a * 1e6, b * 1e6 }' "$work/round.csv")
  read -r r a b <<<"$ratio"
  printf '  round %d: %s (%s us / %s us)\n' "$round" "$r" "$a" "$b"
  ratios+=("$r")
done
median=$(printf '%s\n' "${ratios[@]}" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
echo "  median ratio: $median"

instructions() {
  in_net valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.$1" "${@:2}" >/dev/null 2>&1
  sed -n 's/^summary: //p' "$work/callgrind.$1"
}
ours=$(instructions weckwerk "$weckwerk" "$address")
theirs=$(instructions baseline "$work/baseline")
echo "User-space instructions (callgrind): weckwerk $ours, baseline $theirs, ratio $(awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "%.3f", a / b }')"
echo "  weckwerk's own share, by function (inclusive):"
callgrind_annotate --inclusive=yes "$work/callgrind.weckwerk" 2>/dev/null |
  grep -E '\[.*/weckwerk\]$' | grep -v 'below main' | head -6 | sed 's/^/    /'

peak() { in_net /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; }
echo "Peak resident memory: weckwerk $(peak "$weckwerk" "$address") KiB, baseline $(peak "$work/baseline") KiB"

strip -o "$work/weckwerk.stripped" "$weckwerk"
strip -o "$work/baseline.stripped" "$work/baseline"
echo "Size: weckwerk $(stat -c %s "$weckwerk") bytes ($(stat -c %s "$work/weckwerk.stripped") stripped)," \
  "baseline $(stat -c %s "$work/baseline") bytes ($(stat -c %s "$work/baseline.stripped") stripped)"
if [[ -f build-windows/weckwerk.exe ]]; then
  x86_64-w64-mingw32-strip -o "$work/weckwerk.exe" build-windows/weckwerk.exe
  echo "Size: weckwerk.exe $(stat -c %s build-windows/weckwerk.exe) bytes ($(stat -c %s "$work/weckwerk.exe") stripped)"
else
  echo "Size: weckwerk.exe not built (cmake --workflow --preset windows)"
fi
