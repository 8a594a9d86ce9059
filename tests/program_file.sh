#!/usr/bin/env bash
# A released program is one file that runs by itself on its machine: on
# Linux statically linked, for the right architecture and ABI; on Windows a
# console program. Arguments: TARGET PROGRAM (TARGET: the target triplet).
set -u
case $1 in
  x86_64-linux-gnu) want="ELF 64-bit LSB executable, x86-64, *statically linked*" ;;
  i686-linux-gnu) want="ELF 32-bit LSB executable, Intel 80386, *statically linked*" ;;
  aarch64-linux-gnu) want="ELF 64-bit LSB executable, ARM aarch64, *statically linked*" ;;
  arm-linux-gnueabihf | arm-linux-gnueabi) want="ELF 32-bit LSB executable, ARM, EABI5 *statically linked*" ;;
  mips-linux-gnu) want="ELF 32-bit MSB executable, MIPS, MIPS32 rel2 *statically linked*" ;;
  mipsel-linux-gnu) want="ELF 32-bit LSB executable, MIPS, MIPS32 rel2 *statically linked*" ;;
  riscv64-linux-gnu) want="ELF 64-bit LSB executable, UCB RISC-V, RVC, double-float ABI, *statically linked*" ;;
  x86_64-w64-mingw32) want="PE32+ executable (console) x86-64*" ;;
  i686-w64-mingw32) want="PE32 executable (console) Intel 80386*" ;;
  *) echo "FAIL: nothing known of $1" >&2; exit 1 ;;
esac
got=$(file -b "$2")
echo "$got"
# shellcheck disable=SC2053 # $want is a pattern
[[ $got == $want ]] || { echo "FAIL: want $want" >&2; exit 1; }
# armhf passes floating-point arguments in VFP registers, armel (soft-float,
# for ARMv5TE and ARMv6) never.
vfp_args=$(readelf -A "$2" | grep -c 'Tag_ABI_VFP_args: VFP registers')
case $1 in
  arm-linux-gnueabihf) ((vfp_args == 1)) || { echo "FAIL: not hard-float" >&2; exit 1; } ;;
  arm-linux-gnueabi) ((vfp_args == 0)) || { echo "FAIL: not soft-float" >&2; exit 1; } ;;
esac
exit 0
