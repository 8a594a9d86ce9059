#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Debian package passes lintian's pedantic checks without an error, a
# warning or a hardening tag (its program is built with Debian's hardening
# flags) and installs the program, both man pages, the copyright, the
# changelog and the completions; the installed program runs (under the
# build's emulator), and the pages render without warnings (groff, man,
# mandoc), show the command in their synopsis, the usage text's examples,
# their own language's headings and the header and footer
# lines. The armhf package refuses to install on an ARMv6 processor. The
# RPM package passes rpmlint, holds the same files and installs with rpm.
# Words: BUILD_DIR [DEB_ARCHITECTURE RPM_ARCHITECTURE] (the packages', where
# they are not this machine's).
. "$(dirname "$0")/lib.sh"
for tool in dpkg-deb man mandoc lintian rpm rpmlint; do
  command -v "$tool" >/dev/null || skip "$tool is missing"
done
[[ ${WECKWERK_HARDENED:-} == true ]] ||
  skip "the program lacks Debian's hardening flags, which the packages need: configure with -DWECKWERK_HARDENING=ON (the default preset's), with dpkg-dev installed (tools/install-deps)"
. "$(dirname "$0")/../../tools/paths.sh" # armel_busybox, which tools/install-deps --all unpacks
[[ ${words[1]:-} != armhf || -x $armel_busybox ]] || skip "$armel_busybox is missing: run tools/install-deps --all"
# rpm keeps a database in ~/.rpmdb on Debian, and reads ~/.rpmmacros.
export HOME=$scratch
# The packages' files below /usr, in the .deb; the RPM package has the zsh
# completion in site-functions, where Fedora's and openSUSE's zsh read it.
package_files=(bin/weckwerk share/bash-completion/completions/weckwerk share/doc/weckwerk/changelog.gz
  share/doc/weckwerk/copyright share/fish/vendor_completions.d/weckwerk.fish share/man/de/man1/weckwerk.1.gz
  share/man/man1/weckwerk.1.gz share/zsh/vendor-completions/_weckwerk)
# sorted_lines PREFIX WORDS...: the words, each after PREFIX, one a line, in
# the C locale's order.
sorted_lines() {
  local word
  for word in "${@:2}"; do echo "$1$word"; done | LC_ALL=C sort
}

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
expect_equal "the .deb's files" "$(sorted_lines "" "${package_files[@]}")" \
  "$(cd "$root/usr" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)"

if [[ ${words[1]:-} == armhf ]]; then
  # Its program is built for ARMv7: on an ARMv6 processor (Raspberry Pi 1,
  # Zero, Zero W, whose system says armhf) the preinst stops the install
  # with one line; qemu's uname -m names the processor as the kernel does.
  dpkg-deb -e "${deb[0]}" "$scratch/control"
  armv6_machine=$(awk -F'|' '$2 == "arm-linux-gnueabi" && $5 == "musl" {print $1}' "$(dirname "$0")/../../cmake/machines.txt")
  # processor|exit code|error stream
  while IFS='|' read -r cpu want_code want_err; do
    code=0
    qemu-arm -cpu "$cpu" "$armel_busybox" sh "$scratch/control/preinst" install 2>"$scratch/err" || code=$?
    expect_equal "preinst on $cpu: exit code|error stream" "$want_code|$want_err" "$code|$(<"$scratch/err")"
  done <<ROWS
arm1176|1|weckwerk: this package's program needs ARMv7, this processor is armv6l: take weckwerk-$WECKWERK_VERSION-$armv6_machine.tar.gz instead
cortex-a7|0|
ROWS
fi

# The RPM package, with the dependencies that rpm reads off the program,
# holds the same files; installed into a root without a C library package,
# so without the dependency check.
cpack --config "${words[0]}/CPackConfig.cmake" -G RPM -B "$scratch/rpm" >/dev/null ||
  { echo "FAIL: cpack -G RPM" >&2; exit 1; }
rpm_file=$scratch/rpm/weckwerk-$WECKWERK_VERSION-1.${words[2]:-$(uname -m)}.rpm
[[ -f $rpm_file ]] || { echo "FAIL: no ${rpm_file##*/}" >&2; exit 1; }
# rpmlint checks the spelling with Enchant, which takes the words it is to
# accept from ENCHANT_CONFIG_DIR/en_US.dic and writes a file beside it: so a
# copy of the project's list, in a folder of the test's.
packaging=$(dirname "$0")/../../packaging
mkdir "$scratch/enchant"
cp "$packaging/rpmlint-words.dic" "$scratch/enchant/en_US.dic" || { echo "FAIL: no word list" >&2; exit 1; }
ENCHANT_CONFIG_DIR=$scratch/enchant rpmlint -c "$packaging/rpmlint.toml" "$rpm_file" >"$scratch/rpmlint" ||
  fail "rpmlint"
grep ': [EW]: ' "$scratch/rpmlint" >&2
rpm -qRp "$rpm_file" | grep -q '^libc\.so\.6' || fail "the RPM package does not require libc.so.6"
# rpm -qlp lists the documents' folder too, which the package owns.
expect_equal "rpm -qlp" \
  "$(sorted_lines /usr/ "${package_files[@]/vendor-completions/site-functions}" share/doc/weckwerk)" \
  "$(rpm -qlp "$rpm_file" | LC_ALL=C sort)"
rpm_root=$scratch/rpm-root
rpm_at_root=(rpm --root "$rpm_root" --dbpath /var/lib/rpm --nodeps)
# Debian's rpm before 4.19.1.1 warns at every install unless given
# --force-debian, which later ones neither need nor take: its exit code tells.
! rpm --force-debian --version >/dev/null 2>&1 || rpm_at_root+=(--force-debian)
"${rpm_at_root[@]}" --ignorearch -i "$rpm_file" || fail "rpm --root: the RPM package does not install"
"${rpm_at_root[@]}" -V weckwerk || fail "rpm --root: the installed files differ from the RPM package's"

export LC_ALL=C
notices ue
for installed in "$root" "$rpm_root"; do
  program=("${program[@]:0:${#program[@]}-1}" "$installed/usr/bin/weckwerk")
  # shellcheck disable=SC2119 # without arguments
  run
  expect_run "program installed into ${installed##*/} without arguments" "$banner$usage$usage_notice" "" 1
done

# The pages' checks render each page with this machine's formatters, which
# differ between releases (groff 1.22 of Debian 12, 1.23 of Debian 13).
# mandoc -T lint at its style level: its base level (-T lint's default) adds
# the conventions of the BSD systems' own manuals.
# Both pages' synopsis, the lines of its section.
synopsis="weckwerk MAC-Adresse|weckwerk byte0 byte1 byte2 byte3 byte4 byte5"
# section_lines HEADING: the lines of the rendered page's section HEADING,
# without their indent.
section_lines() {
  awk -v heading="$1" '$0 == heading { inside = 1; next } inside && /^[^ ]/ { exit }
    inside && NF { sub(/^ +/, ""); print }' "$scratch/page"
}

# page|its header's middle (the volume)|its section headings
while IFS='|' read -r page volume headings; do
  [[ -f $root/usr/$page ]] || { fail "$page is missing"; continue; }
  # Named as installed, without .gz: mandoc takes the section from the name.
  source=$scratch/weckwerk.1
  zcat "$root/usr/$page" >"$source"
  groff -mandoc -ww -t -z "$source" 2>"$scratch/warnings"
  LC_ALL=C.UTF-8 MANPAGER=cat MANWIDTH=80 man --warnings -l "$root/usr/$page" >"$scratch/page" 2>>"$scratch/warnings"
  [[ ! -s $scratch/warnings ]] || fail "$page: $(<"$scratch/warnings")"
  mandoc -T lint -W style "$source" >"$scratch/lint" 2>&1
  [[ ! -s $scratch/lint ]] || fail "$page: mandoc -T lint: $(<"$scratch/lint")"
  [[ $(head -n 1 "$scratch/page") =~ ^WECKWERK\(1\)\ .*"$volume"\ +WECKWERK\(1\)$ ]] || fail "$page: no header line with '$volume'"
  # The footer: Weckwerk and the version, the page's date (.TH's third word)
  # and the page's title.
  date=$(sed -n 's/^\.TH [^ ]* [^ ]* \([^ ]*\) .*/\1/p' "$source")
  [[ -n $date && $(tail -n 1 "$scratch/page") =~ ^Weckwerk\ "$WECKWERK_VERSION"\ {2,}"$date"\ {2,}WECKWERK\(1\)$ ]] ||
    fail "$page: the footer is not 'Weckwerk $WECKWERK_VERSION', '${date:-the page date}' and 'WECKWERK(1)': $(tail -n 1 "$scratch/page")"
  # The synopsis names the command on each line.
  expect_equal "$page: synopsis" "$synopsis" "$(section_lines "$(cut -d'|' -f2 <<<"$headings")" | paste -sd'|')"
  for example in "weckwerk 00-05-04-37-f6-1a" "weckwerk 00:05:04:37:f6:1a"; do
    grep -qF "$example" "$scratch/page" || fail "$page does not show '$example'"
  done
  got=$(LC_ALL=C.UTF-8 grep -E '^[[:upper:]][[:upper:] ]*$' "$scratch/page" | paste -sd'|')
  expect_equal "$page: headings" "$headings" "$got"
done <<'PAGES'
share/man/man1/weckwerk.1.gz|General Commands Manual|NAME|SYNOPSIS|DESCRIPTION|ENVIRONMENT|FILES|EXIT STATUS|EXAMPLES|DIAGNOSTICS|SEE ALSO|CAVEATS
share/man/de/man1/weckwerk.1.gz|Allgemeine Befehle|BEZEICHNUNG|ÜBERSICHT|BESCHREIBUNG|UMGEBUNG|DATEIEN|RÜCKGABEWERT|BEISPIELE|DIAGNOSE|SIEHE AUCH|WARNUNGEN
PAGES
finish
