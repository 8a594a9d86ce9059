// SPDX-License-Identifier: MIT
#ifndef WECKWERK_TESTS_DEATH_TEST_STREAMS_H
#define WECKWERK_TESTS_DEATH_TEST_STREAMS_H

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

// For death tests, which see only the error stream: sends standard output
// there too, unbuffered, so that what both streams get shows in its order.
inline void ShowStdoutInOrder() {
  std::fflush(stdout);
  std::setvbuf(stdout, nullptr, _IONBF, 0);
#ifdef _WIN32
  _dup2(_fileno(stderr), _fileno(stdout));
#else
  dup2(fileno(stderr), fileno(stdout));
#endif
}

#endif
