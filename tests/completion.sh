#!/usr/bin/env bash
# The bash completion offers the addresses of /etc/ethers and of the
# neighbour table at the first argument, completes a host name of
# /etc/ethers to its address, and passes over comments, malformed lines and
# missing sources without a word on the terminal. It runs with an /etc/ethers
# of its own and a neighbour entry of its own, in the sandbox of helpers.sh.
# Arguments: COMPLETION_FILE.
set -u
completion=$(realpath "$1")
. "$(dirname "$0")/helpers.sh"
enter_sandbox "$0" "$@" || skip "cannot make namespaces here"

[[ -r /usr/share/bash-completion/bash_completion ]] || { echo "FAIL: bash-completion is missing" >&2; exit 1; }
# /etc as it is, but with changes that stay in this mount namespace.
# shellcheck disable=SC2015 # the handler is meant for a failure of any step
mkdir "$scratch/upper" "$scratch/work" &&
  mount -t overlay overlay -o "lowerdir=/etc,upperdir=$scratch/upper,workdir=$scratch/work" /etc ||
  { echo "FAIL: cannot lay a private /etc" >&2; exit 1; }
cat >/etc/ethers <<'ETHERS'
# the file server
00:11:32:0a:0b:0c nas
00:11:32:0a:0b:0d nas2
8:0:20:1:2:3	oldsun  # written the old way
AA-BB-CC-DD-EE-FF printer
00:11:32:0a:0b short
zz:11:32:0a:0b:0c bad
00:11:32:0a:0b:0c:0d long
192.0.2.1
ETHERS
# shellcheck disable=SC2015 # the handler is meant for a failure of any step
ip link add wake0 type veth peer name wake1 && ip link set wake0 up &&
  ip neigh add 198.51.100.9 lladdr 02:00:5e:00:53:09 dev wake0 nud permanent ||
  { echo "FAIL: cannot make the neighbour entry" >&2; exit 1; }

. /usr/share/bash-completion/bash_completion
# shellcheck source=../completion/weckwerk
. "$completion"

# complete LINE: what the completion offers at the end of LINE, the words
# split as bash splits them, at blanks and around colons; one a line.
complete_line() {
  local line=$1 word
  COMP_WORDS=()
  for word in $line; do
    while [[ $word == *:* ]]; do COMP_WORDS+=("${word%%:*}" ":"); word=${word#*:}; done
    COMP_WORDS+=("$word")
  done
  [[ $line == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1)) COMP_LINE=$line COMP_POINT=${#line}
  COMPREPLY=()
  _weckwerk weckwerk "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd' '
}

# LINE|what it offers
expect_table() {
  local line want got
  while IFS='|' read -r line want; do
    got=$(complete_line "$line" 2>"$scratch/err")
    expect_equal "'$line' ($1)" "$want" "$got"
    [[ ! -s $scratch/err ]] || fail "'$line' wrote: $(<"$scratch/err") ($1)"
  done
}

expect_table "/etc/ethers and the neighbour table" <<'TABLE'
weckwerk |00:11:32:0a:0b:0c 00:11:32:0a:0b:0d 02:00:5e:00:53:09 08:00:20:01:02:03 aa:bb:cc:dd:ee:ff
weckwerk nas|00:11:32:0a:0b:0c
weckwerk na|nas nas2
weckwerk nas2|00:11:32:0a:0b:0d
weckwerk old|08:00:20:01:02:03
weckwerk 00:11:3|32:0a:0b:0c 32:0a:0b:0d
weckwerk 02:00:5E:0|00:53:09
weckwerk 02:00:5E:00:53:0|09
weckwerk AA-B|AA-BB-CC-DD-EE-FF
weckwerk aa-b|aa-bb-cc-dd-ee-ff
weckwerk AA:B|BB:CC:DD:EE:FF
weckwerk 0011.2233.4455|00:11:22:33:44:55
weckwerk 001122334455|00:11:22:33:44:55
weckwerk 0011.2233.44aA|00:11:22:33:44:aA
weckwerk short|
weckwerk bad|
weckwerk x|
weckwerk 00-05-04-37-f6-1a |
weckwerk 00 |
TABLE

rm /etc/ethers
expect_table "no /etc/ethers" <<'TABLE'
weckwerk |02:00:5e:00:53:09
weckwerk nas|
TABLE

ln -s "$(command -v awk)" "$(command -v sort)" "$(command -v cat)" "$(command -v paste)" "$scratch"
PATH=$scratch expect_table "neither /etc/ethers nor ip" <<'TABLE'
weckwerk |
TABLE

finish
