#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "output/console.h"

namespace {

// Runs on a console: in a pseudo-terminal, Wine gives the program one.
TEST(WindowsConsole, UmlautUFollowsTheOutputCodePage) {
  ASSERT_TRUE(IsTerminal(stdout)) << "standard output is not a console";
  const UINT original = GetConsoleOutputCP();
  const struct {
    UINT codePage;
    const char* umlautU;
  } kCases[] = {
      {437, "\x81"}, {850, "\x81"}, {1252, "\xFC"}, {65001, "\xC3\xBC"}, {866, "ue"},
  };
  for (const auto& c : kCases) {
    ASSERT_TRUE(SetConsoleOutputCP(c.codePage)) << c.codePage;
    EXPECT_EQ(std::string(UmlautU()), c.umlautU) << c.codePage;
  }
  SetConsoleOutputCP(original);
}

}  // namespace
