# shellcheck shell=bash
# SPDX-License-Identifier: MIT
# Helpers of the end-to-end tests: what sourcing this file does, the
# arguments and the variables a script reads are in tests/README.md.
set -u
. "$(dirname "${BASH_SOURCE[0]}")/../helpers.sh"
. "$(dirname "${BASH_SOURCE[0]}")/../texts.sh"
enter_sandbox "$0" "$@" || skip "cannot make namespaces here"

words=()
while (($#)) && [[ $1 != -- ]]; do words+=("$1"); shift; done
shift
program=("$@")
# unknown_word: ends the test as failed; for a script's case, whose words a
# typo in tests/CMakeLists.txt would otherwise pass over unchecked.
unknown_word() { echo "FAIL: no such word: ${words[*]}" >&2; exit 1; }
windows=false
if [[ ${WECKWERK_PLATFORM:-posix} == windows ]]; then
  windows=true
  # Wine makes a program's sockets in its wineserver, in the network
  # namespace that started the server; so the script starts one here, in an
  # empty tmpfs over Debian's Wine's (8 and 10) folder for it: /run/user/UID
  # where that exists, else /tmp/NAME, NAME in the prefix's file "wineserver"
  # (with a TMPDIR in its place Wine 10's server crashes). Its first program
  # starts Wine's services, which keep the error stream they were given.
  unset TMPDIR
  wine_folder=/run/user/$EUID
  [[ -d $wine_folder ]] || wine_folder=/tmp/$(cat "${WINEPREFIX:-$HOME/.wine}/wineserver" 2>/dev/null)
  # shellcheck disable=SC2015 # the handler is meant for a failure of any step
  [[ $wine_folder != /tmp/ && -d $wine_folder ]] && mount -t tmpfs -o mode=700 tmpfs "$wine_folder" &&
    wineserver -p && pgrep -x 'wineserver(32|64)?' >/dev/null &&
    "${program[0]}" cmd /c exit >"$scratch/wine.log" 2>&1 ||
    { echo "FAIL: cannot start a wineserver in the test's namespaces (in $wine_folder)" >&2; exit 1; }
  trap 'wineserver -k; wineserver -w' EXIT
fi

# text_file NAME TEXT: writes TEXT as the platform writes a text stream.
text_file() {
  local text=$2
  $windows && text=${text//$'\n'/$'\r\n'}
  printf '%s' "$text" >"$scratch/$1"
}

# expect_file LABEL EXPECTED ACTUAL: a check that the two files hold the
# same bytes.
expect_file() {
  checks=$((checks + 1))
  cmp -s "$2" "$3" && return
  fail "$1"
  diff <(od -An -c "$2") <(od -An -c "$3") >&2
}

# expect_run LABEL STDOUT STDERR CODE: checks the last run's streams and code.
expect_run() {
  text_file want.out "$2"
  text_file want.err "$3"
  expect_file "$1: standard output" "$scratch/want.out" "$scratch/out"
  expect_file "$1: standard error" "$scratch/want.err" "$scratch/err"
  expect_equal "$1: exit code" "$4" "$code"
}

# strace, for the tests that run the program under it. A sanitizer build's
# leak check cannot work there (both need ptrace), so those runs go without
# it; every other run checks for leaks.
# shellcheck disable=SC2034 # for the scripts that source this file
strace=(strace -E "ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0")

# start_with_streams STREAMS: runs $command with run's setting STREAMS;
# standard input is the caller's.
start_with_streams() {
  case $1 in
    separate) "${command[@]}" >"$scratch/out" 2>"$scratch/err" ;;
    joined) "${command[@]}" >"$scratch/out" 2>&1 ;;
    no-reader)
      # Opened for reading and writing, then closed for reading: a FIFO that
      # nobody reads, without any race.
      rm -f "$scratch/fifo" && mkfifo "$scratch/fifo" && : >"$scratch/out"
      # shellcheck disable=SC2094 # both ends of the FIFO are opened, as meant
      exec {reader}<>"$scratch/fifo" {writer}>"$scratch/fifo" {reader}<&-
      "${command[@]}" 1>&"$writer" 2>"$scratch/err" ;;
  esac
}

# run [--streams joined|no-reader] [--stdin closed] ARGS...: runs $program
# with ARGS and sets $code to its exit code. Each run starts from the
# defaults: standard output to $scratch/out, the error stream to
# $scratch/err ("joined": both to $scratch/out; "no-reader": standard output
# into a pipe whose reader has gone), standard input from /dev/null
# ("closed": closed, so the program's first new descriptor is 0). A tracer
# goes in front of the program in a local copy of $program.
run() {
  local streams=separate stdin=null command reader writer attempt
  if [[ ${1-} == --streams ]]; then streams=$2 && shift 2; fi
  if [[ ${1-} == --stdin ]]; then stdin=$2 && shift 2; fi
  command=("${program[@]}" "$@")
  for attempt in 1 2; do
    if [[ $stdin == closed ]]; then start_with_streams "$streams" <&-; else start_with_streams "$streams" </dev/null; fi
    code=$?
    [[ $streams != no-reader ]] || exec {writer}>&-
    # Once in some thousands of runs, Wine's loader fails to start the
    # program at all, which then writes no banner. That launch alone is made
    # once more, with a note.
    if ! $windows || [[ $streams == no-reader || $(tr -d '\r' <"$scratch/out") == *"${banner%%Version*}"* ]]; then break; fi
    echo "note: Wine did not start the program (attempt $attempt): $(tr -d '\r' <"$scratch/out")" >&2
  done
}

# The platform's error numbers; texts.sh has those of a send without a route.
# shellcheck disable=SC2034 # for the scripts that source this file
case ${WECKWERK_PLATFORM:-posix}/${WECKWERK_PROCESSOR:-} in
  windows/*) ENETUNREACH=$wsaenetunreach EADDRINUSE=10048 ;;
  posix/mips*) ENETUNREACH=$enetunreach_mips EADDRINUSE=125 ;;
  *) ENETUNREACH=$enetunreach EADDRINUSE=98 ;;
esac
# In a network without a route, the send fails.
# shellcheck disable=SC2034 # for the scripts that source this file
no_route_report=$(call_failed sendto DoUdpClient "$ENETUNREACH")$'\n'
