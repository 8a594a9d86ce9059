#!/usr/bin/env bash
# The bash completion offers the addresses of /etc/ethers and of the
# neighbour table at the first argument, completes a host name of
# /etc/ethers to its address where no other name begins with the word, and
# passes over comments, malformed lines and missing sources without a word
# on the terminal. It runs with an /etc/ethers of its own and a neighbour
# entry of its own, in the sandbox of helpers.sh.
# Arguments: COMPLETION_FILE.
set -u
export LC_ALL=C
bash_completion=$(realpath "$1")
. "$(dirname "$0")/helpers.sh"
enter_sandbox "$0" "$@" || skip "cannot make namespaces here"

[[ -r /usr/share/bash-completion/bash_completion ]] || { echo "FAIL: bash-completion is missing" >&2; exit 1; }
# /etc as it is, but with changes that stay in this mount namespace.
# shellcheck disable=SC2015 # the last part ends the script
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
# shellcheck disable=SC2015 # the last part ends the script
ip link add wake0 type veth peer name wake1 && ip link set wake0 up &&
  ip neigh add 198.51.100.9 lladdr 02:00:5e:00:53:09 dev wake0 nud permanent ||
  { echo "FAIL: cannot make the neighbour entry" >&2; exit 1; }

. /usr/share/bash-completion/bash_completion
# shellcheck source=../completion/weckwerk
. "$bash_completion"
shopt -s extglob

# bash_offers LINE: what the bash completion offers at the end of LINE, one
# a line, each as the whole word (bash has it without the word's part up to
# its last colon), the words split as bash splits them, at blanks and around
# colons.
bash_offers() {
  local line=$1 word=${1##* } candidate
  COMP_WORDS=()
  for candidate in $line; do
    while [[ $candidate == *:* ]]; do COMP_WORDS+=("${candidate%%:*}" ":"); candidate=${candidate#*:}; done
    COMP_WORDS+=("$candidate")
  done
  [[ $line == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1)) COMP_LINE=$line COMP_POINT=${#line}
  COMPREPLY=()
  _weckwerk weckwerk "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  for candidate in "${COMPREPLY[@]}"; do echo "${word%"${word##*:}"}$candidate"; done
}

# bash_tab LINE: LINE after one TAB, as readline changes it: the sole
# candidate and a blank in place of the word, or the candidates' common
# prefix where it is longer than the word. A TAB that changed the line is
# not the second one, which only lists; so TAB TAB is bash_tab twice.
bash_tab() {
  local line=$1 word=${1##* } prefix candidate candidates
  mapfile -t candidates < <(bash_offers "$line")
  ((${#candidates[@]})) || { echo "$line"; return; }
  ((${#candidates[@]} == 1)) && { echo "${line%"$word"}${candidates[0]} "; return; }
  prefix=${candidates[0]}
  for candidate in "${candidates[@]}"; do
    while [[ $candidate != "$prefix"* ]]; do prefix=${prefix%?}; done
  done
  ((${#prefix} > ${#word})) && line=${line%"$word"}$prefix
  echo "$line"
}

# LINE|what it offers|the line after TAB TAB, where the row gives it
# (trailing blanks aside)
expect_table() {
  local line want want_tab got
  while IFS='|' read -r line want want_tab; do
    got=$(bash_offers "$line" 2>"$scratch/err" | sort | paste -sd' ')
    [[ $got == "$want" ]] || fail "'$line' offers '$got', want '$want' ($1)"
    [[ ! -s $scratch/err ]] || fail "'$line' wrote: $(<"$scratch/err") ($1)"
    [[ -n $want_tab ]] || continue
    got=$(bash_tab "$(bash_tab "$line")")
    [[ ${got%"${got##*[! ]}"} == "$want_tab" ]] || fail "'$line' TAB TAB gives '$got', want '$want_tab' ($1)"
  done
}

expect_table "/etc/ethers and the neighbour table" <<'TABLE'
weckwerk |00:11:32:0a:0b:0c 00:11:32:0a:0b:0d 02:00:5e:00:53:09 08:00:20:01:02:03 aa:bb:cc:dd:ee:ff
weckwerk nas|nas nas2|weckwerk nas
weckwerk na|nas nas2|weckwerk nas
weckwerk nas2|00:11:32:0a:0b:0d|weckwerk 00:11:32:0a:0b:0d
weckwerk old|08:00:20:01:02:03
weckwerk 00:11:3|00:11:32:0a:0b:0c 00:11:32:0a:0b:0d
weckwerk 02:00:5E:0|02:00:5E:00:53:09
weckwerk 02:00:5E:00:53:0|02:00:5E:00:53:09
weckwerk AA-B|AA-BB-CC-DD-EE-FF
weckwerk aa-b|aa-bb-cc-dd-ee-ff
weckwerk AA:B|AA:BB:CC:DD:EE:FF
weckwerk 0011.2233.4455|00:11:22:33:44:55|weckwerk 00:11:22:33:44:55
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
