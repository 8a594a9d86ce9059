#ifndef WECKWERK_CLI_WECKWERK_H
#define WECKWERK_CLI_WECKWERK_H

// The whole run: banner, address, echo. Returns the exit code.
int WeckwerkMain(int argc, char** argv);

#endif
