# shellcheck shell=bash
# SPDX-License-Identifier: MIT
# The program's texts, as src/output/messages.h writes them: written here
# once for every shell test and for .ci/run.
# shellcheck disable=SC2034 # the variables are for the files that source this one
: "${WECKWERK_VERSION:?the build sets it}"
banner=$'\nWeckwerk Personal Edition\nVersion '$WECKWERK_VERSION$' - (c) 2026 Weckwerk-Projekt\n\n'
usage=$'Aufruf:    Weckwerk <MAC-Adresse>\nBeispiele: Weckwerk 00-05-04-37-f6-1a\n           Weckwerk 00:05:04:37:f6:1a\n\n'
format_error=$'FEHLER:    MAC Adresse in Hex und mit Bindestrichen od. Doppelpunkten angeben.\n\n'
sent_text=$' Paket gesendet\n'
# notices UMLAUT: sets usage_notice and error_notice with that spelling of ü.
notices() {
  usage_notice="Hinweis:   Sendet das Wake-on-LAN-Paket f${1}r die MAC-Adresse an Port 2304."$'\n'
  error_notice="Hinweis:   Die MAC-Adresse hat sechs Bytes; bitte die Eingabe pr${1}fen."$'\n'
}
# echo_line BYTES...: the echo of an address, e.g. echo_line 00 05 04 37 F6 1A
echo_line() { printf 'MAC-Adresse: '; printf '%s-' "$@"; printf '\b ...'; }
# call_failed CALL ROUTINE ERROR: the report of a failed sockets call, without
# its newline.
call_failed() { printf 'The Call to %s() in routine() %s failed with error %s' "$@"; }
enetunreach=101 enetunreach_mips=128 wsaenetunreach=10051 # a send without a route: Linux's, MIPS's, Winsock's
