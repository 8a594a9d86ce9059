#!/usr/bin/env bash
# A released program is one file that runs by itself on its machine: on
# Linux statically linked, for the right architecture and ABI; on Windows a
# console program. Arguments: SYSTEM/PROCESSOR PROGRAM.
set -u
case $1 in
  Linux/x86_64) want="ELF 64-bit LSB executable, x86-64, *statically linked*" ;;
  Linux/aarch64) want="ELF 64-bit LSB executable, ARM aarch64, *statically linked*" ;;
  Linux/arm) want="ELF 32-bit LSB executable, ARM, EABI5 *statically linked*" ;;
  Linux/mips) want="ELF 32-bit MSB executable, MIPS, *statically linked*" ;;
  Windows/x86_64) want="PE32+ executable (console) x86-64*" ;;
  Windows/i686) want="PE32 executable (console) Intel 80386*" ;;
  *) echo "FAIL: nothing known of $1" >&2; exit 1 ;;
esac
got=$(file -b "$2")
echo "$got"
[[ $got == $want ]] || { echo "FAIL: want $want" >&2; exit 1; }
# armhf: floating-point arguments in VFP registers.
if [[ $1 == Linux/arm ]]; then
  readelf -A "$2" | grep -q 'Tag_ABI_VFP_args: VFP registers' || { echo "FAIL: not hard-float" >&2; exit 1; }
fi
exit 0
