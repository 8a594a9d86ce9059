#!/usr/bin/env bash
# What the documents and the lists kept by hand repeat is what its one source says: project()'s version,
# cmake/machines.txt's single files, the program's texts and error numbers (texts.sh), the tools' folder
# (tools/paths.sh), the default packages (tools/install-deps). Arguments: the source folder, the build folder (its man pages).
set -u -o pipefail
. "$(dirname "$0")/helpers.sh"
. "$(dirname "$0")/texts.sh"
pages=("$2"/man/weckwerk.1 "$2"/man/*/weckwerk.1 "$2"/man/windows/*/weckwerk.1)
cd "$1" && . tools/paths.sh && . tools/readme-command.sh || exit 1
version=$WECKWERK_VERSION
expect_equal "versions other than $version" "" "$(grep -noE '([Ww]eckwerk[-_ ]|Version )[0-9]+\.[0-9.]*[0-9]' README.md \
  CONTRIBUTING.md man/*/*.in packaging/*.in | awk -F'[-_ ]' -v v="$version" '$NF != v')"

expect_equal "README.md's apt-get line" "$(sed -n '/^default=(/,/^)/{/[()]/!p}' tools/install-deps | sed 's/#.*//' | xargs)" \
  "$(readme_command README.md 'apt-get install ' | sed 's/^apt-get install //')"
expect_equal "README.md's table of archives" "$(awk -F'|' '!/^#/ && $5 == "musl" {print $1}' cmake/machines.txt | sort)" \
  "$(awk -F'|' '/^\| `/ {print $(NF-1)}' README.md | grep -oE "\`linux-[^\`]+\`" | tr -d '`' | sort)"

# The README's quick start, and the pages' run, as a terminal shows it, the backspace hiding the echo line's last hyphen.
IFS=:- read -ra bytes <<<"$(sed -n 's/^\$ weckwerk //p' README.md)"
shown=$banner$(echo_line "${bytes[@]^^}" | sed 's/-\x08//')${sent_text%$'\n'}
expect_equal "README.md's quick start" "$shown" "$(sed -n '/^\$ weckwerk /,/^```$/{//!p}' README.md)"
for doc in README.md "${pages[@]}"; do
  [[ $doc == README.md ]] || expect_equal "$doc: the run" "${shown#$'\n'}" "$(sed -n '/^Weckwerk /,/^\.EE$/{/^\.EE$/!p}' "$doc" | sed 's/\\-/-/g')"
  number=$enetunreach
  [[ $doc != "$2"/man/windows/* ]] || number=$wsaenetunreach
  report=$(call_failed sendto DoUdpClient "$number")
  expect_equal "$doc: the report '$report'" 1 "$(grep -cF -m 1 -- "$report" "$doc")"
  [[ $doc == README.md ]] || expect_equal "$doc: the report's format" 1 "$(grep -cF -m 1 -- "$(call_failed %s %s %d)" "$doc")"
  [[ $doc == "$2"/man/windows/* ]] || expect_equal "$doc: the error numbers of no route" "$(printf '%s\n' "$enetunreach" "$enetunreach_mips" "$wsaenetunreach" | sort)" \
    "$(tr '\n' ' ' <"$doc" | grep -oE '(error|Fehler) [0-9]{3,}|[0-9]+ (on|auf) MIPS|[0-9]{5}[^0-9]{1,9}(no|keine) [Rr]oute' |
      grep -oE '[0-9]{3,}' | sort -u)"
done
# Every address that README.md and the pages show, with the result they give it, and each option they say is an address, is a row of tests/addresses.
address='(-?[0-9A-Fa-f]{1,4}([-:.]+[0-9A-Fa-f]{1,4}){2,}:?|"?[0-9A-Fa-f]{2}( [0-9A-Fa-f]{2}){5}"?|[0-9A-Fa-f]{12})'
expect_equal "addresses not in tests/addresses" "" "$(for doc in README.md "${pages[@]}"; do
  sed -E '/^\.TH /d; s/^\.[A-Z]+ "?([^"]*)"?/\1/; s/\\-/-/g; s/\\\(dq/"/g; s/\\\(..//g; s/\\&|\\f[BIPR]|`//g' "$doc" | tr -s '\n ' '  ' |
    grep -oE "(^|[ (])$address( (sends|sendet|as|als|is the address|die Adresse) [0-9A-F]{2}(-[0-9A-F]{2}){5}| (refused|abgewiesen))?([^0-9A-Za-z]|$)|(options|Optionen): [^;]* (are read|werden als)"
  done | sed -E '/^(options|Optionen): /{s/^[^ ]* //; s/ [a-z]+ [a-z]+$//; s/( ?, | and | und )/|refused\n/g; s/$/|refused/; b}; s/^[ (]//; s/[^0-9A-Za-z:"]$//; s/^(..) 05 04 37 f6 1a$/\1|six/; s/^"(.*)"/\1/
    s/ [a-zA-Z ]+ (..)-(..)-(..)-(..)-(..)-(..)$/|\1 \2 \3 \4 \5 \6/; s/ [a-z]+$/|refused/; /\|/!s/$/|*/; /^([0-9]{1,3}\.){3}[0-9]{1,3}[.:|]/d' | sort -u |
  grep -vxFf <(cd tests/addresses && { sed 's/|[0-9]*$/|refused/' incomplete.txt; sed 's/|.*/|six/' six_arguments.txt; cat one_argument.txt; } | sed 'p; s/|[^|]*$/|*/'))"
# The port of every command and sentence about the datagram is the usage text's (port 9 is other programs').
expect_equal "ports other than the usage text's" "" "$(cat README.md CONTRIBUTING.md CHANGELOG.md cmake/packaging.cmake "${pages[@]}" | tr -s '\n ' '  ' |
  grep -oiE '(\bport ?|255\.255\.255\.255[.:])[0-9]+( of| anderer)?' | grep -viE "[ .:]$(notices u; echo "${usage_notice//[^0-9]/}")$|^port 9 (of|anderer)$")"
# The README's uninstall line removes what its single-file install lines put in place.
expect_equal "README.md's uninstall line" "$(sed -nE 's|^    sudo install .* -t ([^ ]+) (.*/)?([^ ]+)$|\1/\3|p' README.md
  grep -oE 'man -l man/[^` ]+' README.md | sed -E "s|^man -l |$(sed -nE 's|^    sudo cp -r man ([^ ]+)/$|\1|p' README.md)/|" | sort)" \
  "$(grep -m 1 '^    sudo rm /usr/local/' README.md | xargs -n 1 | tail -n +3 | sort)"
expect_equal "CONTRIBUTING.md: the tools' folders" 2 "$(grep -oF -e "$armel_busybox" \
  -e "$(WECKWERK_MUSL_ROOT='' tools/build-musl --dir x86_64-linux-gnu | sed 's/x86_64-linux-gnu$/<triplet>/')" CONTRIBUTING.md | sort -u | wc -l)"
finish
