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

}  // namespace
