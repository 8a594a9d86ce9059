#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A released program is one file that runs by itself on its machine: on
# Linux statically linked, for the right architecture and ABI, small enough
# for a router's flash (48 KB stripped), and on MIPS without a single FPU
# instruction, since routers' cores have no FPU; on Windows a console
# program with a version resource of WECKWERK_VERSION. The machine is read
# off the file's headers (readelf, objdump), which name it the same in every
# release of binutils. Arguments: WANT PROGRAM OBJDUMP STRIP (WANT: the
# machine's "program file" of cmake/machines.txt; OBJDUMP and STRIP: the
# build's, for the target).
set -u
want=$1 program=$2 objdump=$3 strip=$4
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

if [[ $want == pei-* ]]; then
  got=$("$objdump" -p "$program" | awk -F'[ \t]+' '
    / file format / { format = $NF }
    $1 == "Magic" { magic = $2 " " $3 }
    $1 == "Subsystem" { subsystem = $2 " " $3 " " $4 }
    END { print format "|" magic "|" subsystem }')
  echo "$got"
  [[ $got == "$want" ]] || fail "want $want"
  # The version resource that Explorer shows: UTF-16 strings in the block that its translation names.
  at=$(LC_ALL=C grep -obaP 'T\x00r\x00a\x00n\x00s\x00l\x00a\x00t\x00i\x00o\x00n\x00\x00\x00' "$program" | cut -d: -f1 | head -n 1)
  translation=$(od -An --endian=little -tx2 -j $(((${at:-0} + 27) / 4 * 4)) -N 4 "$program" | tr -d ' ')
  [[ $(strings -el "$program" | paste -sd' ') == *" StringFileInfo ${translation^^} "*" FileVersion $WECKWERK_VERSION "*" ProductVersion $WECKWERK_VERSION "* ]] ||
    fail "no version resource of $WECKWERK_VERSION under the block of its translation entry ($translation)"
  exit "$failed"
fi

header=$(readelf -hW "$program")
field() { sed -n "s/^ *$1: *//p" <<<"$header"; }
data=$(field Data)
got="$(field Class)|${data#*, }|$(field Machine)|$(field Flags)"
echo "$got"
# shellcheck disable=SC2053 # the flags' part of $want is a pattern
[[ ${got%|*} == "${want%|*}" && ${got##*|} == ${want##*|} ]] || fail "want $want"
# Statically linked: an executable without a dynamic section, which every
# dynamically linked one has, beside its program interpreter.
[[ $(field Type) == EXEC* ]] || fail "not an executable of fixed address: $(field Type)"
[[ $(readelf -dW "$program") == *"no dynamic section"* ]] || fail "has a dynamic section: dynamically linked"
if [[ $want == *"|MIPS R3000|"* ]]; then
  [[ $(readelf -AW "$program") == *"FP ABI: Soft float"* ]] || fail "not soft-float"
  # The FPU's instructions: loads, stores and moves of coprocessor 1, its
  # branches and conditional moves, and every operation on a format (.s,
  # .d, .w, .l, .ps: add.d, cvt.s.w, c.lt.d).
  fpu=$("$objdump" -d --no-show-raw-insn "$program" |
    awk -F'\t' 'NF >= 2 && $2 ~ /^([ls][wd]x?c1|m[ft]h?c1|[ct]fc1|bc1[ft]l?|mov[ft](\.[sd])?|[a-z0-9.]+\.(s|d|w|l|ps))$/' |
    head -n 5)
  [[ -z $fpu ]] || fail "FPU instructions, e.g.:"$'\n'"$fpu"
fi

stripped=$(mktemp)
trap 'rm -f "$stripped"' EXIT
"$strip" -o "$stripped" "$program" || fail "cannot strip $program"
size=$(stat -c %s "$stripped")
echo "stripped: $size bytes"
((size <= 48 * 1024)) || fail "stripped, $size bytes, more than 48 KB"
exit "$failed"
