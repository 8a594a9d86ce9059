#include "cli/messages.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SpellUmlautU, FollowsTheCharacterSet) {
  const struct {
    const char* charset;
    const char* spelling;
  } kCases[] = {
      {"UTF-8", "\xC3\xBC"},  {"utf8", "\xC3\xBC"},    {"CP65001", "\xC3\xBC"},
      {"ISO-8859-1", "\xFC"}, {"ISO-8859-15", "\xFC"}, {"iso8859_15", "\xFC"},
      {"CP1252", "\xFC"},     {"IBM437", "\x81"},      {"IBM850", "\x81"},
      {"CP437", "\x81"},      {"cp850", "\x81"},       {"ANSI_X3.4-1968", "ue"},
      {"US-ASCII", "ue"},     {"CP866", "ue"},         {"UTF-16", "ue"},
      {"UTF", "ue"},          {"ISO-8859-5", "ue"},    {"", "ue"},
  };
  for (const auto& c : kCases) EXPECT_EQ(std::string(SpellUmlautU(c.charset)), c.spelling) << c.charset;
}

}  // namespace
