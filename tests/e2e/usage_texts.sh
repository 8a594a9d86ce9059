#!/usr/bin/env bash
# A wrong argument count gives the usage texts and exit code 1, an incomplete
# single address the format error and exit code 2: byte for byte, in a UTF-8
# and in the C locale. Words: wrong-count | incomplete.
. "$(dirname "$0")/lib.sh"

# LOCALE UMLAUT: how the notice spells ü there. Into a file Windows writes
# the program's own byte whatever the locale.
if $windows; then
  locales=("C.UTF-8 "$'\x81' "C "$'\x81')
else
  locales=("C.UTF-8 "$'\xc3\xbc' "C ue")
fi

wrong_counts=(
  ""
  "00-05-04-37-f6-1a x"
  "00 05 04"
  "00 05 04 37"
  "00 05 04 37 f6"
  "00 05 04 37 f6 1a 2b"
  "00 05 04 37 f6 1a 2b 3c"
)

for entry in "${locales[@]}"; do
  locale=${entry%% *} umlaut=${entry#* }
  export LC_ALL=$locale
  notices "$umlaut"
  case ${words[0]} in
    wrong-count)
      for line in "${wrong_counts[@]}"; do
        read -ra args <<<"$line"
        run "${args[@]}"
        expect_run "$locale, ${#args[@]} argument(s)" "$banner$usage$usage_notice" "" 1
      done ;;
    incomplete)
      while IFS='|' read -r arg _; do
        run "$arg"
        expect_run "$locale, '$arg'" "$banner$format_error$usage$error_notice" "" 2
      done <"$(dirname "$0")/../addresses/incomplete.txt" ;;
  esac
done
finish
