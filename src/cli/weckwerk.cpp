// SPDX-License-Identifier: MIT
#include "cli/weckwerk.h"

#include <stdio.h>

#include "address/mac_address.h"
#include "output/console.h"
#include "output/exit_codes.h"
#include "output/messages.h"
#include "wake/sender.h"

namespace {

// The argument counts include the program's name, which is never read.
constexpr int kOneArgumentForm = 2;
constexpr int kSixArgumentForm = 1 + kMacAddressLength;

void PrintUsage() {
  Print(stdout, kUsageLine1);
  Print(stdout, kUsageLine2);
  Print(stdout, kUsageLine3);
}

}  // namespace

int WeckwerkMain(int argc, char** argv) {
  SetUpOutput();
  Print(stdout, kBannerLine1);
  Print(stdout, kBannerLine2);

  if (argc == kOneArgumentForm) {
    if (ReadOneArgumentForm(argv[1]) < kAddressFieldCount) {
      Print(stdout, kFormatError);
      PrintUsage();
      PrintNotice(kFormatErrorNotice, UmlautU());
      return kExitBadAddress;
    }
  } else if (argc == kSixArgumentForm) {
    ReadSixArgumentForm(argv + 1);
  } else {
    PrintUsage();
    PrintNotice(kUsageNotice, UmlautU());
    return kExitWrongArgumentCount;
  }

  Print(stdout, kEchoHead);
  for (const uint8_t byte : MacAddress) PrintEchoByte(byte);
  Print(stdout, kEchoTail);

  DoStartup();
  DoUdp(WAKE_PORT);
  return kExitSent;
}
