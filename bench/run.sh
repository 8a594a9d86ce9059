#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Measures a wake-up by weckwerk against bench/baseline.cpp, built alike, for the
# dynamic program (build/, glibc) and the single file (build-MACHINE/, musl),
# in the tests' sandbox and private network, so nothing reaches this machine's.
# Prints the wall-time ratio (the median of ROUNDS rounds of RUNS runs each,
# alternating which goes first), the user-space instructions, peak memory and
# the stripped sizes; fails if the single file is over its instruction budget.
#   bench/run.sh [ROUNDS [RUNS]]      defaults: 5 rounds of 300 runs
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-5} runs=${2:-300}
address=00-05-04-37-f6-1a

. tests/helpers.sh
. tests/e2e/peer_network.sh
enter_sandbox "$0" "$@" || { echo "bench: needs root or user namespaces" >&2; exit 1; }
for tool in hyperfine valgrind /usr/bin/time strip; do
  command -v "$tool" >/dev/null ||
    { echo "bench: $tool is missing: run tools/install-deps --all" >&2; exit 1; }
done

peer_network_up default || { echo "bench: cannot build the test network" >&2; exit 1; }

# median: of the numbers on standard input.
median() {
  sort -g | awk '{ v[NR] = $1 } END { printf "%.3f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# wall_time_ratio WECKWERK BASELINE: the median ratio of the mean wall times.
wall_time_ratio() {
  local round commands
  for ((round = 1; round <= rounds; round++)); do
    commands=("$1 $address" "$2")
    ((round % 2)) || commands=("$2" "$1 $address")
    hyperfine -N --style none --warmup 30 --runs "$runs" --export-csv "$scratch/round.csv" "${commands[@]}" \
      >/dev/null 2>>"$scratch/hyperfine.log"
    awk -F, -v b="$2" 'NR > 1 { if ($1 == b) base = $2; else ours = $2 } END { printf "%.6f\n", ours / base }' \
      "$scratch/round.csv"
  done | median
}

instructions() {
  valgrind --tool=callgrind --callgrind-out-file="$scratch/callgrind" "$@" >/dev/null 2>&1
  sed -n 's/^summary: //p' "$scratch/callgrind"
}

peak() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; }

stripped_size() {
  strip -o "$scratch/stripped" "$1"
  stat -c %s "$scratch/stripped"
}

# The single file is for routers: a wake-up stays within this budget.
budget=8000
printf '%-13s %11s %21s %7s %18s %22s\n' "" "wall time" "instructions" "" "peak memory (KiB)" "size stripped (bytes)"
printf '%-13s %11s %10s %10s %7s %18s %22s\n' program ratio weckwerk baseline ratio "weckwerk/baseline" "weckwerk/baseline"
for program in dynamic/glibc static/musl; do
  if [[ $program == dynamic/glibc ]]; then
    build=build && { cmake --preset default && cmake --build --preset default --target weckwerk weckwerk_baseline; } >/dev/null
  else
    machine=$(awk -F'|' -v triplet="$(uname -m)-linux-gnu" '$2 == triplet && $5 == "musl" {print $1}' cmake/machines.txt)
    build=build-$machine && tools/build "$machine" weckwerk weckwerk_baseline >/dev/null
  fi
  weckwerk=$PWD/$build/weckwerk baseline=$PWD/$build/weckwerk_baseline
  # shellcheck disable=SC2015 # the handler is meant for a failure of either
  "$weckwerk" "$address" >/dev/null && "$baseline" >/dev/null ||
    { echo "bench: a send failed in the test network" >&2; exit 1; }
  ours=$(instructions "$weckwerk" "$address")
  [[ $program != static/musl ]] || single_file=$ours
  theirs=$(instructions "$baseline")
  printf '%-13s %11s %10s %10s %7s %18s %22s\n' "$program" "$(wall_time_ratio "$weckwerk" "$baseline")" "$ours" "$theirs" \
    "$(awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "%.3f", a / b }')" \
    "$(peak "$weckwerk" "$address")/$(peak "$baseline")" "$(stripped_size "$weckwerk")/$(stripped_size "$baseline")"
done
echo "(wall time: median of $rounds rounds of $runs runs; instructions: callgrind, user space)"
((single_file <= budget)) ||
  { echo "bench: the single file spent $single_file instructions on a wake-up, over its $budget" >&2; exit 1; }
