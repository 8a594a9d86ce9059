#!/usr/bin/env bash
# What the documents and the lists kept by hand repeat is what its one source says: project()'s version,
# CMakePresets.json's releases (tools/release-presets.cmake), the program's texts and error numbers
# (texts.sh), the tools' folder (tools/paths.sh). Arguments: the source folder, the build folder (its man pages).
set -u -o pipefail
. "$(dirname "$0")/helpers.sh"
. "$(dirname "$0")/texts.sh"
pages=("$2"/man/weckwerk.1 "$2"/man/*/weckwerk.1 "$2"/man/windows/*/weckwerk.1)
cd "$1" && . tools/paths.sh || exit 1
version=$WECKWERK_VERSION
expect_equal "versions other than $version" "" "$(grep -noE '([Ww]eckwerk[-_ ]|Version )[0-9]+\.[0-9.]*[0-9]' README.md \
  CONTRIBUTING.md man/*/*.in packaging/*.in | awk -F'[-_ ]' -v v="$version" '$NF != v')"

archives=$(cmake -P tools/release-presets.cmake | awk '$2 != "packages"') || fail "tools/release-presets.cmake"
expect_equal "tests/program_file.sh's machines" "$(awk '{print $3}' <<<"$archives" | sort)" \
  "$(sed -nE 's/^  ([a-z0-9_-]+)\) want=.*/\1/p' tests/program_file.sh | sort)"
expect_equal "tools/install-deps' musl_targets" "$(awk '$2 !~ /^windows/ {print $3}' <<<"$archives" | sort)" \
  "$(sed -n '/^musl_targets=(/,/^)/{/[()]/!p}' tools/install-deps | xargs -n1 | sort)"
expect_equal "README.md's table of archives" "$(awk '$2 !~ /^windows/ {print $2}' <<<"$archives" | sort)" \
  "$(awk -F'|' '/^\| `/ {print $(NF-1)}' README.md | grep -oE "\`linux-[^\`]+\`" | tr -d '`' | sort)"
expect_equal "CONTRIBUTING.md's table of presets" "$(awk -v v="$version" '{print $1, "weckwerk-" v "-" $2 ($2 ~ /^windows/ ? ".zip" : ".tar.gz")}' <<<"$archives" | sort)" \
  "$(awk -F'|' '/^\| `/ {print $2 $(NF-1)}' CONTRIBUTING.md | tr -d '`' | xargs -n2 | sort)"

# The README's quick start as a terminal shows it, the backspace hiding the echo line's last hyphen.
IFS=:- read -ra bytes <<<"$(sed -n 's/^\$ weckwerk //p' README.md)"
expect_equal "README.md's quick start" "$banner$(echo_line "${bytes[@]^^}" | sed 's/-\x08//')${sent_text%$'\n'}" \
  "$(sed -n '/^\$ weckwerk /,/^```$/{//!p}' README.md)"
for doc in README.md "${pages[@]}"; do
  number=$enetunreach
  [[ $doc != "$2"/man/windows/* ]] || number=$wsaenetunreach
  report=$(call_failed sendto DoUdpClient "$number")
  expect_equal "$doc: the report '$report'" 1 "$(grep -cF -m 1 -- "$report" "$doc")"
  [[ $doc == README.md ]] || expect_equal "$doc: the report's format" 1 "$(grep -cF -m 1 -- "$(call_failed %s %s %d)" "$doc")"
  [[ $doc == "$2"/man/windows/* ]] || expect_equal "$doc: the error numbers of no route" "$(printf '%s\n' "$enetunreach" "$enetunreach_mips" "$wsaenetunreach" | sort)" \
    "$(tr '\n' ' ' <"$doc" | grep -oE '(error|Fehler) [0-9]{3,}|[0-9]+ (on|auf) MIPS|[0-9]{5}[^0-9]{1,9}(no|keine) [Rr]oute' |
      grep -oE '[0-9]{3,}' | sort -u)"
done
expect_equal "CONTRIBUTING.md: the tools' folders" 2 "$(grep -oF -e "$armel_busybox" \
  -e "$(WECKWERK_MUSL_ROOT='' tools/build-musl --dir x86_64-linux-gnu | sed 's/x86_64-linux-gnu$/<triplet>/')" CONTRIBUTING.md | sort -u | wc -l)"
finish
