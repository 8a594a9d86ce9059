#ifndef WECKWERK_CLI_MESSAGES_H
#define WECKWERK_CLI_MESSAGES_H

#include <cstdio>

// Every text the program writes. Each is one message, written by one call of
// Print. "%s" in a notice stands for the letter u-umlaut (see SpellUmlautU).

#define WECKWERK_NOTICE "Hinweis:   "

inline constexpr char kBannerLine1[] = "\nWeckwerk Personal Edition\n";
inline constexpr char kBannerLine2[] = "Version " WECKWERK_VERSION " - (c) 2026 Weckwerk-Projekt\n\n";
inline constexpr char kUsageLine1[] = "Aufruf:    Weckwerk <MAC-Adresse>\n";
inline constexpr char kUsageLine2[] = "Beispiele: Weckwerk 00-05-04-37-f6-1a\n";
inline constexpr char kUsageLine3[] = "           Weckwerk 00:05:04:37:f6:1a\n\n";
inline constexpr char kFormatError[] =
    "FEHLER:    MAC Adresse in Hex und mit Bindestrichen od. Doppelpunkten angeben.\n\n";
inline constexpr char kUsageNotice[] =
    WECKWERK_NOTICE "Sendet das Wake-on-LAN-Paket f%sr die MAC-Adresse an Port 2304.\n";
inline constexpr char kFormatErrorNotice[] =
    WECKWERK_NOTICE "Die MAC-Adresse hat sechs Bytes; bitte die Eingabe pr%sfen.\n";
inline constexpr char kEchoHead[] = "MAC-Adresse: ";
inline constexpr char kEchoByte[] = "%02X-";
// The backspace steps back over the last byte's hyphen and the blank hides it.
inline constexpr char kEchoTail[] = "\b ...";
// Ends the echo line once the datagram is out.
inline constexpr char kSentText[] = " Paket gesendet\n";
// Filled with the failed call, the routine that made it and the error number.
inline constexpr char kCallFailedReport[] = "The Call to %s() in routine() %s failed with error %d\n";

#undef WECKWERK_NOTICE

// Buffers standard output and the standard error stream: a terminal gets each
// message before Print returns; a file or a pipe gets everything at exit,
// standard output first, however the process ends. Call once, first.
void SetUpOutput();

// Writes one message to the stream with a single write when it is a terminal.
void Print(std::FILE* stream, const char* format, ...);

// The bytes that show the letter u-umlaut in the named character set ("UTF-8",
// "ISO-8859-15", "CP850", ...): the set's own ü, or "ue" where it has none.
// Names are matched regardless of case, '-', '_' and blanks.
const char* SpellUmlautU(const char* charset);

#endif
