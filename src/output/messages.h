#ifndef WECKWERK_OUTPUT_MESSAGES_H
#define WECKWERK_OUTPUT_MESSAGES_H

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

// Every text the program writes, each one message, written by one call:
// Print for a text as it is, PrintFormatted for one with conversions.

#define WECKWERK_NOTICE "Hinweis:   "

inline constexpr char kBannerLine1[] = "\nWeckwerk Personal Edition\n";
inline constexpr char kBannerLine2[] = "Version " WECKWERK_VERSION " - (c) 2026 Weckwerk-Projekt\n\n";
inline constexpr char kUsageLine1[] = "Aufruf:    Weckwerk <MAC-Adresse>\n";
inline constexpr char kUsageLine2[] = "Beispiele: Weckwerk 00-05-04-37-f6-1a\n";
inline constexpr char kUsageLine3[] = "           Weckwerk 00:05:04:37:f6:1a\n\n";
inline constexpr char kFormatError[] =
    "FEHLER:    MAC Adresse in Hex und mit Bindestrichen od. Doppelpunkten angeben.\n\n";
// Formats, "%s" filled with the letter u-umlaut (see UmlautU).
inline constexpr char kUsageNotice[] =
    WECKWERK_NOTICE "Sendet das Wake-on-LAN-Paket f%sr die MAC-Adresse an Port 2304.\n";
inline constexpr char kFormatErrorNotice[] =
    WECKWERK_NOTICE "Die MAC-Adresse hat sechs Bytes; bitte die Eingabe pr%sfen.\n";
inline constexpr char kEchoHead[] = "MAC-Adresse: ";
// The backspace steps back over the last byte's hyphen and the blank hides it.
inline constexpr char kEchoTail[] = "\b ...";
// Ends the echo line once the datagram is out.
inline constexpr char kSentText[] = " Paket gesendet\n";
// A format, filled with the failed call, the routine that made it and the
// error number.
inline constexpr char kCallFailedReport[] = "The Call to %s() in routine() %s failed with error %d\n";

#undef WECKWERK_NOTICE

// Buffers standard output and the standard error stream: a terminal gets each
// message before the call that writes it returns; a file or a pipe gets
// everything at exit, standard output first, however the process ends, and a
// pipe whose reader has gone leaves the exit code alone. Call once, first.
void SetUpOutput();

// Writes a message without conversions as it is, never formatting it: with
// a single write when the stream is a terminal.
void Print(FILE* stream, const char* text);

// Whether each "%" of a format begins "%s" or "%d", the only conversions
// PrintFormatted handles.
constexpr bool HasOnlyPercentSAndD(const char* format) {
  for (; *format != '\0'; ++format) {
    if (*format == '%' && format[1] != 's' && format[1] != 'd') return false;
    if (*format == '%') ++format;
  }
  return true;
}

template <bool kHasOnlyPercentSAndD>
constexpr void RequireOnlyPercentSAndD() {
  static_assert(kHasOnlyPercentSAndD, "PrintFormatted handles only %s and %d");
}

// Writes a message with conversions, one of the formats above: formatted
// whole into a buffer far larger than any of them needs, then written as
// Print writes. The build checks that the format is a constant whose every
// "%" begins "%s" or "%d" (the static_assert, on every compiler), and GCC
// and clang check the arguments' count and types against it by printf's
// rules (the format attribute with -Werror=format). At run time a "%"
// before any other character is written as it stands, taking no argument,
// and a null text for "%s" is written as "(null)", as glibc's printf does.
// PrintCheckedFormat does the work, for PrintFormatted alone to call: it
// checks no format itself.
#if defined(__GNUC__) || defined(__clang__)
__attribute__((format(printf, 2, 3)))
#endif
void PrintCheckedFormat(FILE* stream, const char* format, ...);
#define PrintFormatted(stream, format, ...) \
  (RequireOnlyPercentSAndD<HasOnlyPercentSAndD(format)>(), PrintCheckedFormat(stream, format, __VA_ARGS__))

// Writes one byte of the echo line as "%02X-" would: two upper-case hex
// digits and a hyphen.
void PrintEchoByte(uint8_t byte);

#endif
