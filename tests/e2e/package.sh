#!/usr/bin/env bash
# The Debian package passes lintian's pedantic checks without an error, a
# warning or a hardening tag (its program is built with Debian's hardening
# flags) and installs the program, both man pages, the copyright, the
# changelog and the bash completion; the installed program runs (under the
# build's emulator), and the pages render without warnings, show the usage
# text's examples and their own language's headings.
# Words: BUILD_DIR [ARCHITECTURE] (the package's, where it is not this
# machine's).
. "$(dirname "$0")/lib.sh"
for tool in dpkg-deb man lintian; do
  command -v "$tool" >/dev/null || skip "$tool is missing"
done

cpack --config "${words[0]}/CPackConfig.cmake" -G DEB -B "$scratch/package" >/dev/null ||
  { echo "FAIL: cpack" >&2; exit 1; }
deb=("$scratch/package/weckwerk_${WECKWERK_VERSION}_${words[1]:-$(dpkg --print-architecture)}.deb")
[[ -f ${deb[0]} ]] || { echo "FAIL: no weckwerk_${WECKWERK_VERSION} package" >&2; exit 1; }
for field in Package Version Section Maintainer Depends Description; do
  [[ -n $(dpkg-deb -f "${deb[0]}" "$field") ]] || fail "control field $field is empty"
done
lintian --pedantic --display-info --fail-on error,warning "${deb[0]}" >"$scratch/lintian" || fail "lintian"
cat "$scratch/lintian" >&2
! grep ' hardening-' "$scratch/lintian" >/dev/null || fail "lintian: the program lacks hardening flags"
root=$scratch/root
dpkg -x "${deb[0]}" "$root"
for file in bin/weckwerk share/doc/weckwerk/copyright share/doc/weckwerk/changelog.gz \
  share/bash-completion/completions/weckwerk; do
  [[ -f $root/usr/$file ]] || fail "$file is missing"
done

program=("${program[@]:0:${#program[@]}-1}" "$root/usr/bin/weckwerk")
export LC_ALL=C
notices ue
# shellcheck disable=SC2119 # the run without arguments is the one meant
run
expect_run "installed program without arguments" "$banner$usage$usage_notice" "" 1

# page|its section headings
while IFS='|' read -r page headings; do
  [[ -f $root/usr/$page ]] || { fail "$page is missing"; continue; }
  zcat "$root/usr/$page" | groff -mdoc -ww -z 2>"$scratch/warnings"
  LC_ALL=C.UTF-8 MANPAGER=cat MANWIDTH=80 man --warnings -l "$root/usr/$page" >"$scratch/page" 2>>"$scratch/warnings"
  [[ ! -s $scratch/warnings ]] || fail "$page: $(<"$scratch/warnings")"
  for example in "weckwerk 00-05-04-37-f6-1a" "weckwerk 00:05:04:37:f6:1a" "weckwerk MAC-Adresse"; do
    grep -qF "$example" "$scratch/page" || fail "$page does not show '$example'"
  done
  got=$(LC_ALL=C.UTF-8 grep -E '^[[:upper:]][[:upper:] ]*$' "$scratch/page" | paste -sd'|')
  expect_equal "$page: headings" "$headings" "$got"
done <<'PAGES'
share/man/man1/weckwerk.1.gz|NAME|SYNOPSIS|DESCRIPTION|FILES|EXIT STATUS|EXAMPLES|DIAGNOSTICS|SEE ALSO|CAVEATS
share/man/de/man1/weckwerk.1.gz|BEZEICHNUNG|ÜBERSICHT|BESCHREIBUNG|DATEIEN|RÜCKGABEWERT|BEISPIELE|DIAGNOSE|SIEHE AUCH|WARNUNGEN
PAGES
finish
