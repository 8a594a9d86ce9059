#ifndef WECKWERK_WAKE_CONSOLE_H
#define WECKWERK_WAKE_CONSOLE_H

#include <cstdio>

// The console, one source file per platform.

// Whether the stream goes to a terminal, which must see each message at once.
bool IsTerminal(std::FILE* stream);

// The name of the character set that standard output is read in, for
// SpellUmlautU: the locale's on POSIX, the console's code page ("CP850") on
// Windows, and "CP437" into a file or pipe there, whose byte 0x81 is the ü
// the program has always written.
const char* OutputCharset();

#endif
