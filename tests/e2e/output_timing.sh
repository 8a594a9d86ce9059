#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A terminal gets each message by its own write as it is written; a pipe gets
# all the output in one write at exit, whatever the other stream is.
# Words: terminal | pipe (the standard output of the table's rows).
. "$(dirname "$0")/lib.sh"
command -v strace >/dev/null || skip "strace is missing"
command -v script >/dev/null || skip "script is missing"

# writes STDOUT STDERR ARGS...: runs the program under strace, each stream
# to a terminal or a pipe, and prints the file descriptor of each write.
writes() {
  local command
  printf -v command '%q ' "${strace[@]}" -qq -o "$scratch/trace" -e trace=write,writev "${program[@]}" "${@:3}"
  case $1/$2 in
    terminal/terminal) script -qec "$command" /dev/null </dev/null >/dev/null ;;
    pipe/pipe) bash -c "$command 2>&1 | cat >/dev/null" </dev/null ;;
    pipe/terminal) script -qec "$command | cat >/dev/null" /dev/null </dev/null >/dev/null ;;
  esac
  sed -nE 's/^writev?\(([0-9]+),.*/\1/p' "$scratch/trace" | paste -sd' '
}

# standard output|the error stream|arguments|the writes. Usage: banner (2),
# usage lines (3), notice. Format error: banner, format error, usage lines,
# notice. Echo: banner, head, six bytes, tail, then the report of the
# failed send on the error stream.
while IFS='|' read -r stdout stderr args want; do
  [[ $stdout == "${words[0]}" ]] || continue
  read -ra args <<<"$args"
  got=$(writes "$stdout" "$stderr" "${args[@]}")
  expect_equal "${args[*]:-no arguments}, $stdout and $stderr: the writes' descriptors" "$want" "$got"
done <<'TABLE'
terminal|terminal||1 1 1 1 1 1
terminal|terminal|00-05-04|1 1 1 1 1 1 1
terminal|terminal|00-05-04-37-f6-1a|1 1 1 1 1 1 1 1 1 1 2
pipe|pipe||1
pipe|pipe|00-05-04|1
pipe|pipe|00-05-04-37-f6-1a|1 2
pipe|terminal|00-05-04-37-f6-1a|2 1
TABLE
finish
