#!/usr/bin/env bash
# Each release archive is complete in itself: it unpacks into one folder
# named as the archive, with the program, LICENSE and README.md, and holds
# every file that its README links to and every file that the README tells
# its user to take from the folder (weckwerk-VERSION-NAME/PATH in the Linux
# archives, the manual in the Windows ones); the Linux archives hold the man
# pages that `man -M man weckwerk` reads. The packages hold no README.
# Argument: the release folder (dist/), with its SHA256SUMS.
set -u
. "$(dirname "$0")/helpers.sh"
dist=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# readme_paths README KIND: the paths in the folder that README names for
# an archive of KIND (linux or windows), one a line.
readme_paths() {
  # Links to files, not to a heading or a web page.
  grep -oE '\]\([^)#][^)]*\)' "$1" | sed -E 's/^\]\((.*)\)$/\1/' | grep -vE '^[a-z]+:'
  case $2 in
    linux) grep -oE 'weckwerk-[0-9.]+-NAME/[^ `]+' "$1" | sed 's|^[^/]*/||'
      echo man/man1/weckwerk.1.gz
      echo man/de/man1/weckwerk.1.gz ;;
    windows)
      # shellcheck disable=SC2016 # backquotes of Markdown
      sed -n '/^## Windows/,/^## /p' "$1" | grep -oE '`[^` ]+\.html`' | tr -d '`' ;;
  esac
}

while read -r _ file; do
  name=${file%.tar.gz} name=${name%.zip}
  case $file in
    *.tar.gz) kind=linux program=weckwerk ;;
    *.zip) kind=windows program=weckwerk.exe ;;
    *.deb | *.rpm)
      if [[ $file == *.deb ]]; then listing=$(dpkg-deb -c "$dist/$file"); else listing=$(rpm -qlp "$dist/$file" 2>/dev/null); fi
      [[ $listing != *README* ]] || fail "$file holds a README, whose links this test does not follow"
      continue ;;
    *) fail "$file: a release file of no known kind"; continue ;;
  esac
  mkdir "$work/$name"
  if [[ $kind == linux ]]; then tar -xzf "$dist/$file" -C "$work/$name"; else unzip -q "$dist/$file" -d "$work/$name"; fi
  expect_equal "$file: its one folder" "$name" "$(ls "$work/$name")"
  folder=$work/$name/$name
  [[ -f $folder/README.md ]] || { fail "$file: no README.md"; continue; }
  for path in "$program" LICENSE $(readme_paths "$folder/README.md" "$kind"); do
    checks=$((checks + 1))
    [[ -f $folder/$path ]] || fail "$file: the README names $path, which the archive lacks"
  done
done <"$dist/SHA256SUMS"
finish
