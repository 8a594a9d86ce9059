// SPDX-License-Identifier: MIT
#ifndef WECKWERK_CLI_WECKWERK_H
#define WECKWERK_CLI_WECKWERK_H

// The whole run: banner, address, echo, wake-up datagram. Returns the exit
// code; a failed sockets call ends the process on its own.
int WeckwerkMain(int argc, char** argv);

#endif
