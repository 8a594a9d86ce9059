// SPDX-License-Identifier: MIT
#ifndef WECKWERK_OUTPUT_MESSAGES_H
#define WECKWERK_OUTPUT_MESSAGES_H

#include <stdint.h>
#include <stdio.h>

// Every text the program writes, each one message, written by one call:
// Print for a text as it is, a function of its own for one with parts
// filled in at run time.

#define WECKWERK_NOTICE "Hinweis:   "

inline constexpr char kBannerLine1[] = "\nWeckwerk Personal Edition\n";
inline constexpr char kBannerLine2[] = "Version " WECKWERK_VERSION " - (c) 2026 Weckwerk-Projekt\n\n";
inline constexpr char kUsageLine1[] = "Aufruf:    Weckwerk <MAC-Adresse>\n";
inline constexpr char kUsageLine2[] = "Beispiele: Weckwerk 00-05-04-37-f6-1a\n";
inline constexpr char kUsageLine3[] = "           Weckwerk 00:05:04:37:f6:1a\n\n";
inline constexpr char kFormatError[] =
    "FEHLER:    MAC Adresse in Hex und mit Bindestrichen od. Doppelpunkten angeben.\n\n";
// Notices, their "%s" filled with the letter u-umlaut (see UmlautU).
inline constexpr char kUsageNotice[] =
    WECKWERK_NOTICE "Sendet das Wake-on-LAN-Paket f%sr die MAC-Adresse an Port 2304.\n";
inline constexpr char kFormatErrorNotice[] =
    WECKWERK_NOTICE "Die MAC-Adresse hat sechs Bytes; bitte die Eingabe pr%sfen.\n";
inline constexpr char kEchoHead[] = "MAC-Adresse: ";
// The backspace steps back over the last byte's hyphen and the blank hides it.
inline constexpr char kEchoTail[] = "\b ...";
// Ends the echo line once the datagram is out.
inline constexpr char kSentText[] = " Paket gesendet\n";
// The report of a failed call, its "%s" filled with the call and the
// routine that made it, its "%d" with the error number.
inline constexpr char kCallFailedReport[] = "The Call to %s() in routine() %s failed with error %d\n";

#undef WECKWERK_NOTICE

// Buffers standard output and the standard error stream: a terminal gets each
// message before the call that writes it returns; a file or a pipe gets
// everything at exit, standard output first, however the process ends, and a
// pipe whose reader has gone leaves the exit code alone. Call once, first.
void SetUpOutput();

// Writes a text as it is: with a single write when the stream is a terminal.
void Print(FILE* stream, const char* text);

// Writes a notice on standard output with umlautU, the letter's spelling.
void PrintNotice(const char* notice, const char* umlautU);

// Writes the report of a failed call on the standard error stream.
void PrintCallFailed(const char* call, const char* routine, int error);

// Writes one byte of the echo line: two upper-case hex digits and a hyphen.
void PrintEchoByte(uint8_t byte);

#endif
