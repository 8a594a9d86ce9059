#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows program runs by itself: it imports no DLL but KERNEL32, the C
# runtime and WSOCK32 (Windows Sockets 1.1). Arguments: OBJDUMP PROGRAM.
set -u
imports=$("$1" -p "$2" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:lower:]' '[:upper:]' | sort | paste -sd' ')
echo "imports: $imports"
for dll in $imports; do
  case $dll in
    KERNEL32.DLL | MSVCRT.DLL | UCRTBASE.DLL | API-MS-WIN-CRT-*.DLL | WSOCK32.DLL) ;;
    *) echo "FAIL: imports $dll" >&2; exit 1 ;;
  esac
done
[[ " $imports " == *" WSOCK32.DLL "* ]] || { echo "FAIL: does not import WSOCK32.DLL" >&2; exit 1; }
