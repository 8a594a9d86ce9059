# Helpers of the end-to-end tests. A test script takes its own words first,
# then "--", then the command that runs the program (an emulator first where
# the build has one). The build sets WECKWERK_VERSION, WECKWERK_PLATFORM
# (whose rules apply: posix or windows) and WECKWERK_PROCESSOR. The script
# runs in the sandbox of tests/helpers.sh: every run of the program happens
# in its network namespace, which has no route until peer_network_up (in
# peer_network.sh) adds one.
set -u
: "${WECKWERK_VERSION:?the build sets it}"
. "$(dirname "${BASH_SOURCE[0]}")/../helpers.sh"
enter_sandbox "$0" "$@" || skip "cannot make namespaces here"

words=()
while (($#)) && [[ $1 != -- ]]; do words+=("$1"); shift; done
shift
program=("$@")
windows=false
if [[ ${WECKWERK_PLATFORM:-posix} == windows ]]; then
  windows=true
  # Wine makes a program's sockets in its wineserver, in the network
  # namespace that started the server. So the script starts one here, for
  # all its runs; Wine finds it in /run/user/UID, a folder of the sandbox,
  # where no server from outside can be. Its first program starts Wine's
  # services, which keep the error stream they were given: a log of their
  # own, never a run's.
  mkdir -p -m 700 "/run/user/$EUID" && wineserver -p &&
    pgrep -x 'wineserver(32|64)?' >/dev/null && "${program[0]}" cmd /c exit >"$scratch/wine.log" 2>&1 ||
    { echo "FAIL: cannot start a wineserver in the test's namespaces" >&2; exit 1; }
  trap 'wineserver -k; wineserver -w' EXIT
fi

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

# run ARGS...: runs the program with ARGS and sets $code to its exit code.
# Its settings, plain variables that keep their values until set again:
#   streams  "separate": standard output to $scratch/out, the error stream to
#            $scratch/err; "joined": both to $scratch/out; "no-reader":
#            standard output into a pipe whose reader has gone, the error
#            stream to $scratch/err
#   tracer   a command put in front of the program (strace ...), or empty
streams=separate tracer=()
run() {
  local command=("${tracer[@]}" "${program[@]}" "$@") attempt
  for attempt in 1 2; do
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
    # Once in some thousands of runs, Wine's loader fails to load the program
    # at all and hands it to start.exe, which fails too and says so: the
    # program never ran. That launch alone is made once more, with a note.
    $windows && grep -q 'ShellExecuteEx failed' "$scratch/out" || break
    echo "note: Wine did not start the program (attempt $attempt): $(tr -d '\r' <"$scratch/out")" >&2
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
