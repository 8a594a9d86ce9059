#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the address fuzzer for SECONDS, seeded with the address tables; any
# finding fails. Arguments: FUZZER SECONDS.
set -euo pipefail
. "$(dirname "$0")/../helpers.sh"
fuzzer=$1 seconds=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus" "$work/seeds"

n=0
for table in "$(dirname "$0")"/../addresses/*.txt; do
  # shellcheck disable=SC2154 # address_row sets the variables it is given
  while IFS= read -r row && address_row "$row" arg; do
    n=$((n + 1))
    printf '%s' "$arg" >"$work/seeds/$n"
  done <"$table"
done
((n > 0)) || { echo "FAIL: no seeds in the address tables" >&2; exit 1; }
echo "$n seeds"

cd "$work"
"$fuzzer" -max_total_time="$seconds" -print_final_stats=1 corpus seeds
