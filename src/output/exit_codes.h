// SPDX-License-Identifier: MIT
#ifndef WECKWERK_OUTPUT_EXIT_CODES_H
#define WECKWERK_OUTPUT_EXIT_CODES_H

// Every way the program ends, as callers and scripts see it.
enum ExitCode {
  kExitSent = 0,                // the wake-up datagram was sent
  kExitWrongArgumentCount = 1,  // neither one nor six user arguments
  kExitNetworkFailure = 1,      // a sockets call failed
  kExitBadAddress = 2,          // the single address argument was not read completely
};

#endif
