# Helpers of the end-to-end tests. A test script takes its own words first,
# then "--", then the command that runs the program (an emulator first where
# the build has one). The build sets WECKWERK_VERSION, WECKWERK_PLATFORM
# (whose rules apply: posix or windows) and WECKWERK_PROCESSOR.
set -u
: "${WECKWERK_VERSION:?the build sets it}"

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

# run ARGS...: runs the program with ARGS and sets $code to its exit code.
# Its settings, plain variables that keep their values until set again:
#   network  "none": a network namespace of the run's own (private_net);
#            otherwise the name of a namespace made by peer_network_up
#   streams  "separate": standard output to $scratch/out, the error stream to
#            $scratch/err; "joined": both to $scratch/out; "no-reader":
#            standard output into a pipe whose reader has gone, the error
#            stream to $scratch/err
#   tracer   a command put in front of the program (strace ...), or empty
network=none streams=separate tracer=()
run() {
  local command=("${tracer[@]}" "${program[@]}" "$@") attempt
  if [[ $network == none ]]; then
    command=(private_net "${command[@]}")
  else
    command=(ip netns exec "$network" "${command[@]}")
  fi
  for attempt in 1 2 3; do
    case $streams in
      separate) "${command[@]}" </dev/null >"$scratch/out" 2>"$scratch/err" ;;
      joined) "${command[@]}" </dev/null >"$scratch/out" 2>&1 ;;
      no-reader)
        # Opened for reading and writing, then closed for reading: a FIFO
        # that nobody reads, without any race.
        rm -f "$scratch/fifo" && mkfifo "$scratch/fifo" && : >"$scratch/out"
        exec {reader}<>"$scratch/fifo" {writer}>"$scratch/fifo" {reader}<&-
        "${command[@]}" </dev/null >&"$writer" 2>"$scratch/err" ;;
    esac
    code=$?
    [[ $streams != no-reader ]] || exec {writer}>&-
    # The program always writes its banner first. Now and then Wine fails to
    # start a program and leaves no output at all: that run is repeated.
    $windows && [[ ! -s $scratch/out ]] || break
    echo "note: Wine gave no output (exit code $code), attempt $attempt" >&2
  done
}

banner=$'\nWeckwerk Personal Edition\nVersion '$WECKWERK_VERSION$' - (c) 2026 Weckwerk-Projekt\n\n'
usage=$'Aufruf:    Weckwerk <MAC-Adresse>\nBeispiele: Weckwerk 00-05-04-37-f6-1a\n           Weckwerk 00:05:04:37:f6:1a\n\n'
format_error=$'FEHLER:    MAC Adresse in Hex und mit Bindestrichen od. Doppelpunkten angeben.\n\n'
# notices UMLAUT: sets usage_notice and error_notice with that spelling of ü.
notices() {
  usage_notice="Hinweis:   Sendet das Wake-on-LAN-Paket f${1}r die MAC-Adresse an Port 2304."$'\n'
  error_notice="Hinweis:   Die MAC-Adresse hat sechs Bytes; bitte die Eingabe pr${1}fen."$'\n'
}
# The platform's error numbers: Windows Sockets has its own, and Linux on
# MIPS numbers some errors unlike its other ports.
case ${WECKWERK_PLATFORM:-posix}/${WECKWERK_PROCESSOR:-} in
  windows/*) ENETUNREACH=10051 ;;
  posix/mips*) ENETUNREACH=128 EADDRINUSE=125 ;;
  *) ENETUNREACH=101 EADDRINUSE=98 ;;
esac
# In a network without a route, the send fails.
no_route_report="The Call to sendto() in routine() DoUdpClient failed with error $ENETUNREACH"$'\n'
# echo_line BYTES...: the echo of an address, e.g. echo_line 00 05 04 37 F6 1A
echo_line() { printf 'MAC-Adresse: '; printf '%s-' "$@"; printf '\b ...'; }
