// SPDX-License-Identifier: MIT
#include "cli/weckwerk.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "death_test_streams.h"
#include "output/messages.h"

namespace {

// An empty argument vector cannot be made by a shell, and Linux no longer
// passes one on, but other systems do.
TEST(WeckwerkMain, EmptyArgumentVectorIsAWrongCount) {
  EXPECT_EXIT(
      {
        char* argv[] = {nullptr};
        ShowStdoutInOrder();
        std::exit(WeckwerkMain(0, argv));
      },
      ::testing::ExitedWithCode(1),
      ::testing::StartsWith(std::string(kBannerLine1) + kBannerLine2 + kUsageLine1 + kUsageLine2 +
                            kUsageLine3));
}

// Each notice arrives whole with the longest spelling of ü that UmlautU gives.
TEST(PrintNotice, NoticesArriveWholeWithTheLongestUmlautU) {
  const std::string umlaut(31, 'u');
  EXPECT_EXIT(
      {
        ShowStdoutInOrder();
        PrintNotice(kUsageNotice, umlaut.c_str());
        PrintNotice(kFormatErrorNotice, umlaut.c_str());
        std::exit(0);
      },
      ::testing::ExitedWithCode(0),
      ::testing::Eq("Hinweis:   Sendet das Wake-on-LAN-Paket f" + umlaut +
                    "r die MAC-Adresse an Port 2304.\n" +
                    "Hinweis:   Die MAC-Adresse hat sechs Bytes; bitte die Eingabe pr" + umlaut + "fen.\n"));
}

}  // namespace
