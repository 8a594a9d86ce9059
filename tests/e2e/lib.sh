# Helpers of the end-to-end tests. A test script takes its own words first,
# then "--", then the command that runs the program (an emulator first where
# the build has one). WECKWERK_PLATFORM says whose rules apply: posix or
# windows.
set -u

words=()
while (($#)) && [[ $1 != -- ]]; do words+=("$1"); shift; done
shift
program=("$@")
windows=false
if [[ ${WECKWERK_PLATFORM:-posix} == windows ]]; then
  windows=true
  # Wine makes its sockets in its wineserver, in the network namespace that
  # started it, so a namespace's run must start its own: the one left over
  # from an earlier run, perhaps outside, is ended first.
  program=(bash -c 'wineserver -k 2>/dev/null; wineserver -w; exec "$@"' wine-in-namespace "${program[@]}")
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# skip REASON: ends the test as skipped, or as failed in CI, which must run it.
skip() {
  if [[ ${CI:-} == true ]]; then echo "FAIL (CI cannot skip): $1" >&2; exit 1; fi
  echo "SKIP: $1" >&2
  exit 77
}

finish() {
  ((failures == 0)) || { echo "$failures check(s) failed" >&2; exit 1; }
  echo "all checks passed"
}

# text_file NAME TEXT: writes TEXT as the platform writes a text stream.
text_file() {
  local text=$2
  $windows && text=${text//$'\n'/$'\r\n'}
  printf '%s' "$text" >"$scratch/$1"
}

# expect_file LABEL EXPECTED ACTUAL: the two files hold the same bytes.
expect_file() {
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
  [[ $code == "$4" ]] || fail "$1: exit code $code, want $4"
}

# A sanitizer build's leak check cannot work under strace, which some tests
# run the program in; the program allocates nothing anyway.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0

# private_net CMD...: runs CMD in a network namespace of its own, whose
# loopback is down and which has no route anywhere, so that no datagram can
# leave it, whatever the program does.
private_net() {
  if ((EUID == 0)); then
    unshare --net "$@"
  else
    unshare --user --map-root-user --net "$@"
  fi
}
private_net true 2>/dev/null || skip "cannot make a network namespace here"

# run ARGS...: runs the program in a private network; its streams go to
# $scratch/out and $scratch/err (both to $scratch/out when joined=true), its
# exit code to $code.
joined=false
run() {
  local attempt
  for attempt in 1 2 3; do
    if $joined; then
      private_net "${program[@]}" "$@" </dev/null >"$scratch/out" 2>&1
    else
      private_net "${program[@]}" "$@" </dev/null >"$scratch/out" 2>"$scratch/err"
    fi
    code=$?
    # The program always writes its banner first. Now and then Wine fails to
    # start a program and leaves no output at all: that run is repeated.
    $windows && [[ ! -s $scratch/out ]] || break
    echo "note: Wine gave no output (exit code $code), attempt $attempt" >&2
  done
}

banner=$'\nWeckwerk Personal Edition\nVersion 1.17 - (c) 2026 Weckwerk-Projekt\n\n'
usage=$'Aufruf:    Weckwerk <MAC-Adresse>\nBeispiele: Weckwerk 00-05-04-37-f6-1a\n           Weckwerk 00:05:04:37:f6:1a\n\n'
format_error=$'FEHLER:    MAC Adresse in Hex und mit Bindestrichen od. Doppelpunkten angeben.\n\n'
# notices UMLAUT: sets usage_notice and error_notice with that spelling of ü.
notices() {
  usage_notice="Hinweis:   Sendet das Wake-on-LAN-Paket f${1}r die MAC-Adresse an Port 2304."$'\n'
  error_notice="Hinweis:   Die MAC-Adresse hat sechs Bytes; bitte die Eingabe pr${1}fen."$'\n'
}
# In a network without a route, the send fails with the platform's number.
if $windows; then unreachable=10051; else unreachable=101; fi
no_route_report="The Call to sendto() in routine() DoUdpClient failed with error $unreachable"$'\n'
# echo_line BYTES...: the echo of an address, e.g. echo_line 00 05 04 37 F6 1A
echo_line() { printf 'MAC-Adresse: '; printf '%s-' "$@"; printf '\b ...'; }
