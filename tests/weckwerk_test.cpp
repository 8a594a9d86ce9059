#include "cli/weckwerk.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "death_test_streams.h"

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
      ::testing::AllOf(::testing::StartsWith("\nWeckwerk Personal Edition\n"),
                       ::testing::HasSubstr("Aufruf:    Weckwerk <MAC-Adresse>\n"),
                       ::testing::HasSubstr("an Port 2304.\n")));
}

}  // namespace
