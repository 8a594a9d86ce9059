#!/usr/bin/env bash
# A terminal gets each message by its own write as it is written; a pipe gets
# all the output in one write at exit. Words: terminal | pipe.
. "$(dirname "$0")/lib.sh"
command -v strace >/dev/null || skip "strace is missing"
command -v script >/dev/null || skip "script is missing"

# writes ARGS...: runs the program under strace and prints the file descriptor of each write, one a line.
writes() {
  local command
  printf -v command '%q ' strace -qq -o "$scratch/trace" -e trace=write,writev "${program[@]}" "$@"
  case ${words[0]} in
    terminal) script -qec "$command" /dev/null </dev/null >/dev/null ;;
    pipe) bash -c "$command 2>&1 | cat >/dev/null" </dev/null ;;
  esac
  sed -nE 's/^writev?\(([0-9]+),.*/\1/p' "$scratch/trace" | paste -sd' '
}

# Usage: banner (2), usage lines (3), notice. Echo: banner, head, six bytes,
# tail, then the report of the failed send on the error stream.
case ${words[0]} in
  terminal) usage="1 1 1 1 1 1" echo="1 1 1 1 1 1 1 1 1 1 2" ;;
  pipe) usage="1" echo="1 2" ;;
esac

got=$(writes) && [[ $got == "$usage" ]] || fail "usage run wrote to: '$got', want '$usage'"
got=$(writes 00-05-04-37-f6-1a) && [[ $got == "$echo" ]] || fail "echo run wrote to: '$got', want '$echo'"
finish
