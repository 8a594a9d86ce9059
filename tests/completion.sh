#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The completions for bash, zsh and fish offer the addresses of /etc/ethers
# and of the neighbour table at the first argument, complete a host name of
# /etc/ethers to its address where no other name begins with the word,
# insert no common beginning that reaches into the last byte (the program
# reads 00:11:32:0a:0b:0 as an address), and pass over comments, malformed
# lines and missing sources without a word on the terminal. Each row is
# read by all three: bash's completion function called as bash calls it, a
# real interactive zsh with compinit, fish's complete -C. It runs with an
# /etc/ethers and neighbour entries of its own, in the sandbox of helpers.sh.
# Where TAB offers names, the README's fallback without a completion,
# weckwerk "$(getent ethers NAME | cut -d' ' -f1)", gives the program the
# address of a line written with colons.
# On a router, the README's command wake, saved by its lines, gives the
# program the address of a host named in the router's DHCP tables.
# Arguments: the bash, zsh and fish completion files, the program and the
# README.
set -u
export LC_ALL=C
bash_completion=$(realpath "$1") zsh_completion=$(realpath "$2") fish_completion=$(realpath "$3")
program=$(realpath "$4") readme=$(realpath "$5")
. "$(dirname "$0")/helpers.sh"
. "$(dirname "$0")/texts.sh"
enter_sandbox "$0" "$@" || skip "cannot make namespaces here"
PATH=$PATH:/usr/sbin:/sbin # chroot's folders, which an ordinary user's PATH may lack
for tool in zsh fish ip busybox chroot; do
  command -v "$tool" >/dev/null || skip "$tool is missing"
done

[[ -r /usr/share/bash-completion/bash_completion ]] || skip "bash-completion is missing"
# /etc as it is, but with changes that stay in this mount namespace, and an
# /etc/ethers of the test's own, laid in the upper folder first: in a user
# namespace, the machine's own /etc/ethers (root's) could not be written.
# shellcheck disable=SC2015 # the last part ends the script
mkdir "$scratch/upper" "$scratch/work" && cat >"$scratch/upper/ethers" <<'ETHERS' &&
# the file server
00:11:32:0a:0b:0c nas
00:11:32:0a:0b:0d nas2
8:0:20:1:2:3	oldsun  # written the old way
AA-BB-CC-DD-EE-FF printer
12:34:56:78:9a:bc aab
00:11:32:0a:0b short
zz:11:32:0a:0b:0c bad
00:11:32:0a:0b:0c:0d long
192.0.2.1
ETHERS
  mount -t overlay overlay -o "lowerdir=/etc,upperdir=$scratch/upper,workdir=$scratch/work" /etc ||
  { echo "FAIL: cannot lay a private /etc" >&2; exit 1; }
# shellcheck disable=SC2015 # the last part ends the script
ip link add wake0 type veth peer name wake1 && ip link set wake0 up &&
  ip neigh add 198.51.100.9 lladdr 02:00:5e:00:53:09 dev wake0 nud permanent &&
  ip neigh add 198.51.100.10 lladdr 00:11:32:0A:0B:0C dev wake0 nud permanent ||
  { echo "FAIL: cannot make the neighbour entries" >&2; exit 1; }

. /usr/share/bash-completion/bash_completion
# shellcheck source=../completion/weckwerk.in
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

# zsh, interactive, with compinit and _weckwerk on fpath, driven through a
# pseudo-terminal by zpty. For each LINE it reads it prints what zsh lists
# at LINE (list-choices, the list a TAB shows), as "candidate" or
# "candidate=description" words, then "|" and the line after TAB TAB. A
# widget prints the line between <<< and >>>, which tells where a key's
# output ends.
zsh_driver=$(
  cat <<'ZSH'
zmodload zsh/zpty || exit 1
zpty shell "TERM=dumb COLUMNS=80 zsh -f -i"
zpty -w shell "fpath=(${(q)1} \$fpath); autoload -Uz compinit && compinit -u -D; unset zle_bracketed_paste
  show() { print -rn -- \$'\\x3c<<'\"\$BUFFER>>\"\$'\\x3e' }; zle -N show
  bindkey '^Xs' show; bindkey '^Xl' list-choices"
zpty -w -n shell $'\C-xs'
zpty -r shell output '*<<<>>>'
while IFS= read -r line; do
  zpty -w -n shell "$line"$'\t\t\C-xs\C-u'
  zpty -r shell tabbed '*<<<*>>>'
  zpty -w -n shell "$line"$'\C-xl\C-xs\C-u'
  zpty -r shell output '*<<<*>>>'
  lines=("${(@f)${output//$'\r'}}") entries=()
  for listed in "${(@)lines[2,-2]}"; do
    words=(${=listed})
    if [[ $words[-2] == -- ]]; then
      for word in $words[1,-3]; do entries+=("$word=$words[-1]"); done
    else
      entries+=($words)
    fi
  done
  print -r -- "$entries|${${tabbed##*<<<}%>>>}"
done
ZSH
)

# LINE|what it offers|the line after TAB TAB in bash|in zsh, where it differs
# What each shell offers: bash the candidates, zsh the candidates it lists,
# fish those of complete -C, each with its description after a "=", which
# bash has not; zsh does not list the beginning up to the fifth separator
# that stops the insertion there, the one candidate that ends in a
# separator. The line after TAB TAB is checked where the row gives it,
# trailing blanks aside; zsh's TAB after one that listed starts its menu,
# which inserts the first candidate.
expect_table() {
  local line want want_tab want_zsh_tab got tab candidate listed rows lines=() zsh_offers=() zsh_tabs=() i=0
  rows=$(cat)
  while IFS='|' read -r line _; do lines+=("$line"); done <<<"$rows"
  while IFS='|' read -r got tab; do zsh_offers+=("$got") zsh_tabs+=("$tab"); done < <(
    printf '%s\n' "${lines[@]}" | HOME=$scratch timeout 60 zsh -f -c "$zsh_driver" zsh "$(dirname "$zsh_completion")")
  ((${#zsh_offers[@]} == ${#lines[@]})) || fail "zsh answered ${#zsh_offers[@]} of ${#lines[@]} lines ($1)"
  while IFS='|' read -r line want want_tab want_zsh_tab; do
    got=$(bash_offers "$line" 2>"$scratch/err" | sort -t= -k1,1 | paste -sd' ')
    expect_equal "bash: '$line' offers ($1)" "${want//=+([^ ])/}" "$got"
    [[ ! -s $scratch/err ]] || fail "bash: '$line' wrote: $(<"$scratch/err") ($1)"
    # shellcheck disable=SC2016 # fish expands them
    got=$(HOME=$scratch fish -N -c 'source $argv[1]; complete -C $argv[2]' "$fish_completion" "$line" 2>"$scratch/err" |
      tr '\t' = | sort -t= -k1,1 | paste -sd' ')
    expect_equal "fish: '$line' offers ($1)" "$want" "$got"
    [[ ! -s $scratch/err ]] || fail "fish: '$line' wrote: $(<"$scratch/err") ($1)"
    got=$(tr ' ' '\n' <<<"${zsh_offers[i]-}" | sort -t= -k1,1 | paste -sd' ') listed=()
    for candidate in $want; do [[ $candidate == *[:-] ]] || listed+=("$candidate"); done
    expect_equal "zsh: '$line' lists ($1)" "${listed[*]}" "$got"
    if [[ -n $want_tab ]]; then
      tab=$(bash_tab "$(bash_tab "$line")")
      expect_equal "bash: '$line' TAB TAB gives ($1)" "$want_tab" "${tab%"${tab##*[! ]}"}"
      tab=${zsh_tabs[i]-}
      expect_equal "zsh: '$line' TAB TAB gives ($1)" "${want_zsh_tab:-$want_tab}" "${tab%"${tab##*[! ]}"}"
    fi
    i=$((i + 1))
  done <<<"$rows"
}

expect_table "/etc/ethers and the neighbour table" <<'TABLE'
weckwerk |00:11:32:0a:0b:0c=nas 00:11:32:0a:0b:0d=nas2 02:00:5e:00:53:09 08:00:20:01:02:03=oldsun 12:34:56:78:9a:bc=aab aa:bb:cc:dd:ee:ff=printer|weckwerk|weckwerk 00:11:32:0a:0b:0c
weckwerk nas|nas=00:11:32:0a:0b:0c nas2=00:11:32:0a:0b:0d|weckwerk nas
weckwerk na|nas=00:11:32:0a:0b:0c nas2=00:11:32:0a:0b:0d|weckwerk nas
weckwerk nas2|00:11:32:0a:0b:0d=nas2|weckwerk 00:11:32:0a:0b:0d
weckwerk old|08:00:20:01:02:03=oldsun
weckwerk 00:11:3|00:11:32:0a:0b: 00:11:32:0a:0b:0c=nas 00:11:32:0a:0b:0d=nas2|weckwerk 00:11:32:0a:0b:
weckwerk 00-11-32-0A|00-11-32-0A-0B- 00-11-32-0A-0B-0C=nas 00-11-32-0A-0B-0D=nas2|weckwerk 00-11-32-0A-0B-
weckwerk 00:11:32:0a:0b:0|00:11:32:0a:0b:0c=nas 00:11:32:0a:0b:0d=nas2|weckwerk 00:11:32:0a:0b:0|weckwerk 00:11:32:0a:0b:0c
weckwerk 02:00:5E:0|02:00:5E:00:53:09
weckwerk 02:00:5E:00:53:0|02:00:5E:00:53:09
weckwerk AA-B|AA-BB-CC-DD-EE-FF=printer|weckwerk AA-BB-CC-DD-EE-FF
weckwerk aa-b|aa-bb-cc-dd-ee-ff=printer
weckwerk AA:B|AA:BB:CC:DD:EE:FF=printer
weckwerk aa|aa:bb:cc:dd:ee:ff=printer aab=12:34:56:78:9a:bc|weckwerk aa|weckwerk aa:bb:cc:dd:ee:ff
weckwerk 0011.2233.4455|00:11:22:33:44:55=0011.2233.4455|weckwerk 00:11:22:33:44:55
weckwerk 001122334455|00:11:22:33:44:55=001122334455
weckwerk 0011.2233.44aA|00:11:22:33:44:aA=0011.2233.44aA
weckwerk short|
weckwerk bad|
weckwerk x|
weckwerk 00-05-04-37-f6-1a |
weckwerk 00 |
TABLE

# getent prints the address without leading zeros (0:11:32:a:b:c). The
# program runs in a network namespace of its own, without a route, where the
# send fails (exit code 1) after the echo line shows the bytes read.
code=0
unshare -n "$program" "$(getent ethers nas | cut -d' ' -f1)" >"$scratch/out" 2>/dev/null || code=$?
expect_equal "weckwerk \"\$(getent ethers nas | cut -d' ' -f1)\": output|exit code" \
  "$banner$(echo_line 00 11 32 0A 0B 0C)|1" "$(<"$scratch/out")|$code"

# The README's command wake, saved by its lines (from cat to chmod, without
# their indent) in a router's root of its own and run with busybox's shell and
# tools alone over a router's DHCP tables (tests/openwrt): the static leases
# first, then dnsmasq's, the name matched whole; a name found nowhere is said on
# the error stream, and the program does not run. The root has the machine's
# /usr with a /usr/bin of its own, which takes wake (and /proc, for a sanitizer
# build's program), and not the caller's LD_PRELOAD (libfaketime's fails there).
saving_lines=$(awk '/^ *cat >\/usr\/bin\/wake <</ { indent = index($0, "cat") } indent { print substr($0, indent) }
  indent && /^ *chmod \+x \/usr\/bin\/wake$/ { exit }' "$readme")
[[ $saving_lines == *chmod* ]] || fail "the README has no lines that save wake on a router"
router=$scratch/router
busybox=$(readlink -f "$(command -v busybox)") # where the applets' links point
# shellcheck disable=SC2015 # the last part ends the script
mkdir -p "$router"/{bin,etc/config,proc,tmp,usr} && ln -s usr/lib usr/lib64 "$router" &&
  mount --bind /usr "$router/usr" && mount -t tmpfs tmpfs "$router/usr/bin" && mount -t proc proc "$router/proc" &&
  cp "$(dirname "$0")/openwrt/dhcp" "$router/etc/config/" && cp "$(dirname "$0")/openwrt/dhcp.leases" "$router/tmp/" &&
  cp "$busybox" "$router$busybox" && busybox --install -s "$router/bin" && cp "$program" "$router/bin/weckwerk" &&
  env -u LD_PRELOAD chroot "$router" /bin/env PATH=/bin sh -c "$saving_lines" ||
  { echo "FAIL: cannot lay out the router's tables and save wake" >&2; exit 1; }
notices ue
# name|the address the program is given, as its echo shows it
while IFS='|' read -r name address; do
  code=0
  env -u LD_PRELOAD unshare -n chroot "$router" /bin/env PATH=/bin:/usr/bin wake "$name" >"$scratch/out" 2>"$scratch/err" || code=$?
  read -ra bytes <<<"$address"
  got="$(<"$scratch/out")|$code"
  if ((${#bytes[@]})); then want="$banner$(echo_line "${bytes[@]}")|1"; else
    want="$name: no such host in the DHCP tables||1" got="$(<"$scratch/err")|$got"
  fi
  expect_equal "the README's wake $name: [error|]output|exit code" "$want" "$got"
done <<'TABLE'
nas|00 11 32 0A 0B 0C
nas2|00 11 32 0A 0B 0D
printer|AA BB CC DD EE FF
tv|02 00 5E 00 53 09
novac|02 00 5E 00 53 0C
na|
nas2.lan|
TABLE

rm /etc/ethers
expect_table "no /etc/ethers" <<'TABLE'
weckwerk |00:11:32:0a:0b:0c 02:00:5e:00:53:09
weckwerk nas|
TABLE

ln -s "$(command -v awk)" "$(command -v sort)" "$(command -v cat)" "$(command -v paste)" \
  "$(command -v tr)" "$(command -v timeout)" "$(command -v dirname)" "$(command -v zsh)" "$(command -v fish)" "$scratch"
PATH=$scratch expect_table "neither /etc/ethers nor ip" <<'TABLE'
weckwerk |
TABLE

finish
