#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A wrong argument count gives the usage texts and exit code 1, an incomplete
# single address the format error and exit code 2: byte for byte, in a UTF-8
# and in the C locale. The notice's ü follows the character set of the
# locale. Words: wrong-count | incomplete | charsets.
. "$(dirname "$0")/lib.sh"

# LOCALE UMLAUT: how the notice spells ü there. Into a file Windows writes
# the program's own byte whatever the locale.
locales=("C.UTF-8 "$'\xc3\xbc' "C ue")
! $windows || locales=("C.UTF-8 "$'\x81' "C "$'\x81')

wrong_counts=(
  ""
  "00-05-04-37-f6-1a x"
  "00 05 04"
  "00 05 04 37"
  "00 05 04 37 f6"
  "00 05 04 37 f6 1a 2b"
  "00 05 04 37 f6 1a 2b 3c"
)

case ${words[0]} in
  wrong-count | incomplete)
    for entry in "${locales[@]}"; do
      locale=${entry%% *} umlaut=${entry#* }
      export LC_ALL=$locale
      notices "$umlaut"
      if [[ ${words[0]} == wrong-count ]]; then
        for line in "${wrong_counts[@]}"; do
          read -ra args <<<"$line"
          run "${args[@]}"
          expect_run "$locale, ${#args[@]} argument(s)" "$banner$usage$usage_notice" "" 1
        done
      else
        # shellcheck disable=SC2154 # address_row sets the variables it is given
        while IFS= read -r row && address_row "$row" arg; do
          run "$arg"
          expect_run "$locale, '$arg'" "$banner$format_error$usage$error_notice" "" 2
        done <"$(dirname "$0")/../addresses/incomplete.txt"
      fi
    done ;;
  charsets)
    # LC_ALL|LC_CTYPE|LANG|the notice's ü|an incomplete address, for the
    # format error's notice instead of the usage notice; an empty field leaves
    # the variable unset, '' sets it to the empty text.
    if [[ ${WECKWERK_C_LIBRARY:-system} == musl ]]; then
      # musl has no locale files: the character set is the one the locale's
      # name gives, its name compared without case and punctuation, and
      # unknown without one. EUC-JP spells ü in three bytes; KOI8-R and
      # ISO-8859-7 lack ü; UTF-16 would put a NUL byte into the notice.
      table=$(cat <<'TABLE'
de_DE.UTF-8|||\xc3\xbc
C.UTF-8|||\xc3\xbc
xx_XX.UTF-8|||\xc3\xbc
de_DE.utf8|||\xc3\xbc
de_DE.ISO-8859-1|||\xfc
de_DE.ISO-8859-1|||\xfc|00-05-04
de_DE.iso88591|||\xfc
de_DE.latin1|||\xfc
de_DE.ISO-8859-15@euro|||\xfc
tr_TR.ISO-8859-9|||\xfc
de_DE.IBM850|||\x81
de_DE.UTF-16|||ue
de_DE.UTF-16LE|||ue
de_DE.|||ue
ja_JP.EUC-JP|||\x8f\xab\xe4
ru_RU.KOI8-R|||ue
el_GR.ISO-8859-7|||ue
de_DE.NEXTSTEP|||ue
de_DE|||ue
C|||ue
POSIX|||ue
|||ue
de_DE.ISO-8859-1|de_DE.UTF-8|de_DE.IBM850|\xfc
|de_DE.UTF-8|de_DE.IBM850|\xc3\xbc
||de_DE.ISO-8859-1|\xfc
|ru_RU.KOI8-R|de_DE.UTF-8|ue
''||de_DE.UTF-8|\xc3\xbc
''|''|de_DE.ISO-8859-1|\xfc
TABLE
      )
    else
      # Locales made for the test in a scratch directory; the system's stay
      # as they are.
      command -v localedef >/dev/null || skip "localedef is missing"
      export LOCPATH=$scratch/locales
      mkdir "$LOCPATH"
      for locale in de_DE.UTF-8 de_DE.ISO-8859-1 tr_TR.ISO-8859-9 de_DE.IBM850 ru_RU.KOI8-R el_GR.ISO-8859-7 \
        de_DE.NEXTSTEP ja_JP.EUC-JP; do
        localedef -i "${locale%%.*}" -f "${locale#*.}" "$LOCPATH/$locale" >/dev/null 2>&1 ||
          skip "cannot make the locale $locale (the package locales is missing)"
      done
      # NEXTSTEP is a character set without a converter; EUC-JP spells ü in
      # three bytes.
      table=$(cat <<'TABLE'
de_DE.UTF-8|||\xc3\xbc
de_DE.ISO-8859-1|||\xfc
tr_TR.ISO-8859-9|||\xfc
de_DE.IBM850|||\x81
ru_RU.KOI8-R|||ue
el_GR.ISO-8859-7|||ue
de_DE.NEXTSTEP|||ue
ja_JP.EUC-JP|||\x8f\xab\xe4
ja_JP.EUC-JP|||\x8f\xab\xe4|00-05-04
xx_XX.UTF-8|||ue
|||ue
de_DE.ISO-8859-1|de_DE.UTF-8|de_DE.IBM850|\xfc
|de_DE.UTF-8|de_DE.IBM850|\xc3\xbc
||de_DE.IBM850|\x81
|ru_RU.KOI8-R|de_DE.UTF-8|ue
|de_DE.UTF-8|xx_XX.UTF-8|\xc3\xbc
TABLE
      )
    fi
    while IFS='|' read -r all ctype lang umlaut address; do
      unset LC_ALL LC_CTYPE LANG
      for variable in LC_ALL=$all LC_CTYPE=$ctype LANG=$lang; do
        [[ $variable == *= ]] || export "${variable/%=\'\'/=}"
      done
      printf -v umlaut '%b' "$umlaut"
      notices "$umlaut"
      label="LC_ALL=$all LC_CTYPE=$ctype LANG=$lang"
      if [[ -z $address ]]; then
        run
        expect_run "$label" "$banner$usage$usage_notice" "" 1
      else
        run "$address"
        expect_run "$label, '$address'" "$banner$format_error$usage$error_notice" "" 2
      fi
    done <<<"$table"
    ;;
  *) unknown_word ;;
esac
finish

