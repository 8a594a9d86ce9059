# shellcheck shell=bash
# SPDX-License-Identifier: MIT
# Helpers of the shell tests (and of the benchmark's sandbox): checks, a
# skipped test, the verdict, and namespaces that end with the script.

checks=0 failures=0

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# expect_equal LABEL WANT GOT: a check that the two texts are the same.
expect_equal() {
  checks=$((checks + 1))
  [[ $3 == "$2" ]] || fail "$1: got '$3', want '$2'"
}

# address_row LINE ARG [RESULT]: a row of tests/addresses (see its README) into the
# named variables, 0x01 standing in for "\\"; any other line fails the script.
address_row() {
  [[ $1 == *'|'* && $1 != *[[:cntrl:]]* ]] || { echo "FAIL: not an address table's row: ${1@Q}" >&2; exit 1; }
  local escaped=${1%|*}
  escaped=${escaped//"\\\\"/$'\x01'} escaped=${escaped//"\\b"/$'\b'}
  printf -v "$2" '%s' "${escaped//$'\x01'/"\\"}"
  [[ -z ${3:-} ]] || printf -v "$3" '%s' "${1##*|}"
}

# skip REASON: ends the test as skipped, or as failed where WECKWERK_NO_SKIP is
# set (the project's CI, .ci/run, which must run every test).
skip() {
  if [[ -n ${WECKWERK_NO_SKIP:-} ]]; then echo "FAIL (WECKWERK_NO_SKIP: cannot skip): $1" >&2; exit 1; fi
  echo "SKIP: $1" >&2
  exit 77
}

# finish: the verdict. A test that made no check has tested nothing, and fails.
finish() {
  ((checks > 0)) || { echo "FAIL: no check ran" >&2; exit 1; }
  ((failures == 0)) || { echo "$failures of $checks checks failed" >&2; exit 1; }
  echo "all $checks checks passed"
}

# enter_sandbox SCRIPT ARGS...: runs the script again inside namespaces of
# its own and ends with its exit code, killed as soon as this shell is; there
# it returns at once, with $scratch a folder of its own. Returns 1 where the
# namespaces cannot be had (root, or user namespaces, are needed). Inside:
# - the network namespace has no route anywhere (its loopback is down), so
#   no datagram leaves it;
# - the script is the first process of a PID namespace, so every process it
#   starts ends when it ends, however it ends (a timeout's SIGKILL
#   included), and with them every network namespace they hold;
# - $scratch, a new folder in TMPDIR (or /tmp) that holds a tmpfs of a
#   private mount namespace, is also TMPDIR for every tool the script runs:
#   what a test lays out lives there and goes with the last process, and
#   the empty folder goes when the script ends (unless it is killed). No
#   test mounts over, or writes into, a folder that might hold the checkout
#   or the build.
enter_sandbox() {
  if [[ -z ${WECKWERK_SCRATCH:-} ]]; then
    local namespaces=(--mount --net --pid --fork --mount-proc) code=0
    ((EUID == 0)) || namespaces+=(--user --map-root-user)
    unshare "${namespaces[@]}" true 2>/dev/null && WECKWERK_SCRATCH=$(mktemp -d) || return 1
    WECKWERK_SCRATCH=$WECKWERK_SCRATCH setpriv --pdeathsig KILL unshare "${namespaces[@]}" --kill-child bash "$@" ||
      code=$?
    rmdir "$WECKWERK_SCRATCH"
    exit "$code"
  fi
  scratch=$WECKWERK_SCRATCH
  mount -t tmpfs -o mode=700 tmpfs "$scratch" || return 1
  export TMPDIR=$scratch
}
