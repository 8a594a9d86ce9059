#include "cli/weckwerk.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
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

// Each format with the longest arguments it can receive arrives whole: the
// longest names of a report, the most negative int, a four-byte ü.
TEST(PrintFormatted, EveryMessageArrivesWhole) {
  const std::string umlaut = "\xF0\x9F\x84\xAF";
  const struct {
    std::string want;
    void (*print)(std::FILE*, const std::string&);
  } cases[] = {
      {"Hinweis:   Sendet das Wake-on-LAN-Paket f" + umlaut + "r die MAC-Adresse an Port 2304.\n",
       [](std::FILE* f, const std::string& u) { PrintFormatted(f, kUsageNotice, u.c_str()); }},
      {"Hinweis:   Die MAC-Adresse hat sechs Bytes; bitte die Eingabe pr" + umlaut + "fen.\n",
       [](std::FILE* f, const std::string& u) { PrintFormatted(f, kFormatErrorNotice, u.c_str()); }},
      {"The Call to setsockopt() in routine() DoUdpClient failed with error -2147483648\n",
       [](std::FILE* f, const std::string&) {
         PrintFormatted(f, kCallFailedReport, "setsockopt", "DoUdpClient", INT_MIN);
       }},
      {"The Call to WSAStartup() in routine() DoStartup failed with error 2147483647\n",
       [](std::FILE* f, const std::string&) {
         PrintFormatted(f, kCallFailedReport, "WSAStartup", "DoStartup", INT_MAX);
       }},
      {"The Call to socket() in routine() DoUdp failed with error 0\n",
       [](std::FILE* f, const std::string&) { PrintFormatted(f, kCallFailedReport, "socket", "DoUdp", 0); }},
  };
  for (const auto& c : cases) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    c.print(file, umlaut);
    std::rewind(file);
    char got[1024] = {};
    const size_t length = std::fread(got, 1, sizeof got - 1, file);
    std::fclose(file);
    EXPECT_EQ(std::string(got, length), c.want);
  }
}

}  // namespace
