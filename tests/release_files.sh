#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Each release archive is complete in itself: it unpacks into one folder
# named as the archive, with the program, LICENSE, README.md (a Windows zip:
# README.txt, which names the zip, and no README.md) and CHANGELOG.md
# as changelog.txt, and holds every file that its README links to
# and every file that the README tells its user to take from the folder
# (the Linux archives' install lines and weckwerk-VERSION-NAME/PATH, the
# manual in the Windows ones). A Windows zip's text files have CRLF line
# ends. The source archive holds README.md, what the README says is in it
# (listed here: the README's phrase may wrap), and no .git. The packages hold no README.
# Argument: the release folder (dist/), with its SHA256SUMS.
set -u
shopt -s extglob
. "$(dirname "$0")/helpers.sh"
dist=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# readme_paths README KIND: the paths in the folder that README names for
# an archive of KIND (linux, windows or source), one a line.
# shellcheck disable=SC2016 # backquotes of Markdown
readme_paths() {
  # Links to files, not to a heading or a web page.
  grep -oE '\]\([^)#][^)]*\)' "$1" | sed -E 's/^\]\((.*)\)$/\1/' | grep -vE '^[a-z]+:'
  case $2 in
    linux) grep -oE 'weckwerk-[0-9.]+-NAME/[^ `]+' "$1" | sed 's|^[^/]*/||'
      grep -oE '(^| |`)(man|completion)/[^ `)]+' "$1" | sed -E 's/^[ `]//' ;;
    source) printf '%s\n' CONTRIBUTING.md CHANGELOG.md ;;
    windows) grep -oE '[a-z-]+\.html' "$1" ;;
  esac
}

# CHANGELOG.md, from the source archive, for the archives' changelog.txt.
source=$(grep -m1 -oE 'weckwerk-[0-9.]+\.tar\.gz$' "$dist/SHA256SUMS")
tar -xOzf "$dist/$source" "${source%.tar.gz}/CHANGELOG.md" >"$work/changelog"

while read -r _ file; do
  name=${file%.tar.gz} name=${name%.zip} readme=README.md crlf=''
  case $file in
    weckwerk-+([0-9.]).tar.gz) kind=source program=CMakeLists.txt ;;
    *.tar.gz) kind=linux program=weckwerk ;;
    *.zip) kind=windows program=weckwerk.exe readme=README.txt crlf=$'\r' ;;
    *.deb | *.rpm)
      if [[ $file == *.deb ]]; then listing=$(dpkg-deb -c "$dist/$file"); else listing=$(rpm -qlp "$dist/$file" 2>/dev/null); fi
      [[ $listing != *README* ]] || fail "$file holds a README, whose links this test does not follow"
      continue ;;
    *) fail "$file: a release file of no known kind"; continue ;;
  esac
  mkdir "$work/$name"
  if [[ $kind != windows ]]; then tar -xzf "$dist/$file" -C "$work/$name"; else unzip -q "$dist/$file" -d "$work/$name"; fi
  expect_equal "$file: its one folder" "$name" "$(ls "$work/$name")"
  folder=$work/$name/$name
  [[ -f $folder/$readme ]] || { fail "$file: no $readme"; continue; }
  for path in "$program" LICENSE $(readme_paths "$folder/$readme" "$kind"); do
    checks=$((checks + 1))
    [[ -e $folder/$path ]] || fail "$file: the README names $path, which the archive lacks"
  done
  if [[ $kind == source ]]; then
    checks=$((checks + 1))
    [[ ! -e $folder/.git ]] || fail "$file holds .git"
  else
    checks=$((checks + 1))
    cmp -s <(sed "s/\$/$crlf/" "$work/changelog") "$folder/changelog.txt" || fail "$file: changelog.txt is not CHANGELOG.md"
  fi
  if [[ $kind == windows ]]; then
    expect_equal "$file: README.md, a README not for Windows" "" "$(ls "$folder/README.md" 2>/dev/null)"
    expect_equal "$file: README.txt's lines that name the zip" 1 "$(grep -cm1 -F "$file" "$folder/README.txt")"
    expect_equal "$file: text files with a line not ending in CRLF" "" "$(cd "$folder" && grep -lv $'\r$' README.txt LICENSE changelog.txt)"
  fi
done <"$dist/SHA256SUMS"
finish
