// SPDX-License-Identifier: MIT
#ifndef WECKWERK_OUTPUT_CONSOLE_H
#define WECKWERK_OUTPUT_CONSOLE_H

#include <stdio.h>

// The console, one source file per platform.

// Lets a write into a pipe whose reader has gone fail instead of ending the
// process, so that the exit code stays the run's own.
void SurviveMissingReader();

// Whether the stream goes to a terminal, which must see each message at once.
bool IsTerminal(FILE* stream);

// The bytes that show the letter u-umlaut to the reader of standard output,
// converted by the platform: into the locale's character set on POSIX, into
// the console's output code page on Windows, where a file or a pipe gets the
// byte 0x81 that the program has always written. "ue" where the character
// set has no u-umlaut or the conversion is unavailable.
const char* UmlautU();

#ifdef _WIN32
// The flags of UmlautU's conversion into the code page: no best-fit
// stand-in ("u" for the u-umlaut), where Windows takes the flag.
unsigned long ConversionFlags(unsigned int codePage);
#endif

#endif
