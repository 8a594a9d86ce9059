#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What the documents and the lists kept by hand repeat is what its one source says: project()'s version,
# cmake/machines.txt's single files, the program's texts and error numbers (texts.sh), the tools' folder
# (tools/paths.sh), the default packages (tools/install-deps). Argument: the source folder.
set -u -o pipefail
export LC_ALL=C.UTF-8 # the caller's locale aside: in tr_TR, [a-z] does not match i
. "$(dirname "$0")/helpers.sh"
. "$(dirname "$0")/texts.sh"
cd "$1" && . tools/paths.sh && . tools/readme-command.sh || exit 1
version=$WECKWERK_VERSION
expect_equal "versions other than $version" "" "$(grep -noE '([Ww]eckwerk[-_ ]|Version )[0-9]+\.[0-9.]*[0-9]' README.md \
  CONTRIBUTING.md man/*/*.in packaging/*.in | awk -F'[-_ ]' -v v="$version" '$NF != v')"

expect_equal "CONTRIBUTING.md's apt-get line" "$(sed -n '/^default=(/,/^)/{/[()]/!p}' tools/install-deps | sed 's/#.*//' | xargs)" \
  "$(readme_command CONTRIBUTING.md 'apt-get install ' | sed 's/^apt-get install //')"
expect_equal "README.md's table of archives" "$(awk -F'|' '!/^#/ && $5 == "musl" {print $1}' cmake/machines.txt | sort)" \
  "$(awk -F'|' '/^\| `/ {print $(NF-1)}' README.md | grep -oE "\`linux-[^\`]+\`" | tr -d '`' | sort)"

# The README's quick start, as a terminal shows it, the backspace hiding the echo line's last hyphen.
IFS=:- read -ra bytes <<<"$(sed -n 's/^\$ weckwerk //p' README.md)"
shown=$banner$(echo_line "${bytes[@]^^}" | sed 's/-\x08//')${sent_text%$'\n'}
expect_equal "README.md's quick start" "$shown" "$(sed -n '/^\$ weckwerk /,/^```$/{//!p}' README.md)"
report=$(call_failed sendto DoUdpClient "$enetunreach")
expect_equal "README.md: the report '$report'" 1 "$(grep -cF -m 1 -- "$report" README.md)"
# The README's exit codes are src/output/exit_codes.h's; its PowerShell runs the program by its path.
expect_equal "README.md's exit codes" "$(sed -nE 's/^ *kExit(Sent|WrongArgumentCount|BadAddress) = ([0-9]+).*/\2/p' src/output/exit_codes.h | xargs)" \
  "$(tr '\n' ' ' <README.md | grep -oE 'Exit code [0-9]+: the datagram|[0-9]+: not one or six|[0-9]+: the format error' | grep -oE '^[^:]*' | grep -oE '[0-9]+' | xargs)"
expect_equal "README.md's PowerShell commands without .\\" "" "$(grep -oE "PowerShell \`[^\`]*\`" README.md | grep -vF "PowerShell \`.\\")"
# Every address that README.md shows is a row of tests/addresses.
expect_equal "README.md: addresses not in tests/addresses" "" "$(grep -owE '[0-9A-Fa-f]{2}([-:][0-9A-Fa-f]{2}){5}|[0-9A-Fa-f]{4}(\.[0-9A-Fa-f]{4}){2}' README.md | sort -u | grep -vxFf <(cut -d'|' -f1 tests/addresses/{one_argument,incomplete}.txt))"
# The manual's and README.txt's commands take their addresses from tests/addresses (cmake/manual.cmake's @address ARG@).
expect_equal "commands with an address of their own" "" "$(grep -nE 'weckwerk(\.exe)?"? +[0-9A-Fa-f]{1,4}[-:.\]' man/*/*.in packaging/windows/README.txt.in)"
expect_equal "EXIT STATUS rows with a number, not src/output/exit_codes.h's name" "" "$(grep -h -A1 '^\.TP$' man/*/exit.in | grep -xE '[0-9]+')"
# The manual writes the error numbers of no route, the echo's backspace and the completions' folders as
# cmake/manual.cmake's @enetunreach@, @ECHO_STEP_BACK_HEX@, @WECKWERK_FISH_COMPLETION_DIR@ ...
expect_equal "what the sources say, written by hand in the manual" "" "$(cat man/*/*.in | tr '\n' ' ' | grep -oE \
  '[0-9]{3,}[^0-9@]{1,12}(no|keine) [Rr]oute|[0-9]+ (\(ENETUNREACH|on MIPS|auf MIPS)|(fails with error|mit Fehler) [0-9]+|(0|\\e\\&)x0[0-9A-F]|/usr/share/(bash|fish|zsh/site)')"
# The port of every command and sentence about the datagram is the usage text's (port 9 is other programs').
expect_equal "ports other than the usage text's" "" "$(cat README.md CONTRIBUTING.md CHANGELOG.md cmake/packaging.cmake man/*/*.in packaging/windows/README.txt.in | tr -s '\n ' '  ' |
  grep -oiE '(\bport ?|255\.255\.255\.255[.:])[0-9]+( of| anderer)?' | grep -viE "[ .:]$(notices u; echo "${usage_notice//[^0-9]/}")$|^port 9 (of|anderer)$")"
# The README's uninstall line removes what its single-file install lines put in place.
expect_equal "README.md's uninstall line" "$(sed -nE 's|^    sudo install .* -t ([^ ]+) (.*/)?([^ ]+)$|\1/\3|p' README.md
  grep -oE 'man -l man/[^` ]+' README.md | sed -E "s|^man -l |$(sed -nE 's|^    sudo cp -r man ([^ ]+)/$|\1|p' README.md)/|" | sort)" \
  "$(grep -m 1 '^    sudo rm /usr/local/' README.md | xargs -n 1 | tail -n +3 | sort)"
expect_equal "CONTRIBUTING.md: the tools' folders" 2 "$(grep -oF -e "$armel_busybox" \
  -e "$(WECKWERK_MUSL_ROOT='' tools/build-musl --dir x86_64-linux-gnu | sed 's/x86_64-linux-gnu$/<triplet>/')" CONTRIBUTING.md | sort -u | wc -l)"
finish
