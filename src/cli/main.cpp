// SPDX-License-Identifier: MIT
#include "cli/weckwerk.h"

int main(int argc, char** argv) { return WeckwerkMain(argc, argv); }
