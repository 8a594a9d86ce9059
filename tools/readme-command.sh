# shellcheck shell=bash
# SPDX-License-Identifier: MIT
# readme_command README START: prints the README's command that begins with
# START, which CI and the tests run: the first line of a code block (indented
# four blanks or more) that begins with START or "sudo START", without the
# sudo; fails where there is none.
readme_command() {
  sed -n "s|^ \{4,\}\(sudo \)\{0,1\}\($2.*\)$|\2|p" "$1" | grep -m1 .
}
