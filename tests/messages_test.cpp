#include "cli/messages.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "death_test_streams.h"

namespace {

// Every byte value, against the C library's own formatting.
TEST(PrintEchoByte, WritesWhatPercent02XHyphenWould) {
  std::string expected;
  for (int byte = 0; byte <= 0xFF; ++byte) {
    char text[4];
    std::snprintf(text, sizeof text, "%02X-", byte);
    expected += text;
  }
  EXPECT_EXIT(
      {
        ShowStdoutInOrder();
        for (int byte = 0; byte <= 0xFF; ++byte) PrintEchoByte(static_cast<std::uint8_t>(byte));
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), ::testing::Eq(expected));
}

}  // namespace
