#!/usr/bin/env bash
# A released program is one file that runs by itself on its machine: on
# Linux statically linked, for the right architecture and ABI, small enough
# for a router (300 KB stripped), and on MIPS without a single FPU
# instruction, since routers' cores have no FPU; on Windows a console
# program. Arguments: TARGET PROGRAM OBJDUMP STRIP (TARGET: the target
# triplet; OBJDUMP and STRIP: the build's, for the target).
set -u
target=$1 program=$2 objdump=$3 strip=$4
case $target in
  x86_64-linux-gnu) want="ELF 64-bit LSB executable, x86-64, *statically linked*" ;;
  i686-linux-gnu) want="ELF 32-bit LSB executable, Intel 80386, *statically linked*" ;;
  aarch64-linux-gnu) want="ELF 64-bit LSB executable, ARM aarch64, *statically linked*" ;;
  arm-linux-gnueabihf | arm-linux-gnueabi) want="ELF 32-bit LSB executable, ARM, EABI5 *statically linked*" ;;
  # MIPS32 release 1, for the oldest router cores (4Kc).
  mips-linux-gnu) want="ELF 32-bit MSB executable, MIPS, MIPS32 version 1 *statically linked*" ;;
  mipsel-linux-gnu) want="ELF 32-bit LSB executable, MIPS, MIPS32 version 1 *statically linked*" ;;
  riscv64-linux-gnu) want="ELF 64-bit LSB executable, UCB RISC-V, RVC, double-float ABI, *statically linked*" ;;
  x86_64-w64-mingw32) want="PE32+ executable (console) x86-64*" ;;
  i686-w64-mingw32) want="PE32 executable (console) Intel 80386*" ;;
  *) echo "FAIL: nothing known of $target" >&2; exit 1 ;;
esac
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }
got=$(file -b "$program")
echo "$got"
# shellcheck disable=SC2053 # $want is a pattern
[[ $got == $want ]] || fail "want $want"
# armhf passes floating-point arguments in VFP registers, armel (soft-float,
# for ARMv5TE and ARMv6) never.
vfp_args=$(readelf -A "$program" | grep -c 'Tag_ABI_VFP_args: VFP registers')
case $target in
  arm-linux-gnueabihf) ((vfp_args == 1)) || fail "not hard-float" ;;
  arm-linux-gnueabi) ((vfp_args == 0)) || fail "not soft-float" ;;
esac
if [[ $target == *-linux-* ]]; then
  stripped=$(mktemp)
  trap 'rm -f "$stripped"' EXIT
  "$strip" -o "$stripped" "$program" || fail "cannot strip $program"
  size=$(stat -c %s "$stripped")
  echo "stripped: $size bytes"
  ((size <= 300 * 1024)) || fail "stripped, $size bytes, more than 300 KB"
fi
if [[ $target == mips* ]]; then
  # The FPU's instructions: loads, stores and moves of coprocessor 1, its
  # branches and conditional moves, and every operation on a format (.s,
  # .d, .w, .l, .ps: add.d, cvt.s.w, c.lt.d).
  fpu=$("$objdump" -d --no-show-raw-insn "$program" |
    awk -F'\t' 'NF >= 2 && $2 ~ /^([ls][wd]x?c1|m[ft]h?c1|[ct]fc1|bc1[ft]l?|mov[ft](\.[sd])?|[a-z0-9.]+\.(s|d|w|l|ps))$/' |
    head -n 5)
  [[ -z $fpu ]] || fail "FPU instructions, e.g.:"$'\n'"$fpu"
fi
exit "$failed"
