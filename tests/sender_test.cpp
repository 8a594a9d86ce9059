#include "wake/sender.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "death_test_streams.h"
#include "fake_sockets.h"
#include "output/messages.h"

namespace {

using ::testing::Eq;
using ::testing::ExitedWithCode;

// The calls of a successful run, each as the fake logs it.
const std::string kSocket = std::to_string(kFakeSocket);
const std::string kRoad[] = {
    "WSAStartup\n",
    "socket(AF_INET, SOCK_DGRAM, 0)\n",
    "setsockopt(" + kSocket + ", SOL_SOCKET, SO_BROADCAST, 1, 4)\n",
    "bind(" + kSocket + ", 0.0.0.0:0, 16)\n",
    "sendto(" + kSocket + ", 102 bytes, flags 0, 255.255.255.255:2304, 16)\n",
};
const std::string kFullTeardown = "closesocket(" + kSocket + ")\nWSACleanup\n";

std::string RoadTo(int calls) {
  std::string road;
  for (int i = 0; i < calls; ++i) road += kRoad[i];
  return road;
}

// The report of a failed call, from the program's own format.
std::string Report(const char* call, const char* routine, int error) {
  char report[256];
  std::snprintf(report, sizeof report, kCallFailedReport, call, routine, error);
  return report;
}

void Send() {
  DoStartup();
  DoUdp(WAKE_PORT);
}

TEST(Sender, FailedCallIsReportedThenWhatWasAcquiredIsReleased) {
  const struct {
    const char* call;
    const char* routine;
    int error;
    int callsMade;
    const char* teardown;
  } kCases[] = {
      // clang-format off
      {"WSAStartup", "DoStartup",   10091, 1, ""},
      {"socket",     "DoUdp",       24,    2, "WSACleanup\n"},
      {"setsockopt", "DoUdpClient", 13,    3, kFullTeardown.c_str()},
      {"bind",       "DoUdpClient", -98,   4, kFullTeardown.c_str()},
      {"sendto",     "DoUdpClient", 101,   5, kFullTeardown.c_str()},
      // clang-format on
  };
  for (const auto& c : kCases) {
    fakeFailingCall = c.call;
    fakeError = c.error;
    const std::string report = Report(c.call, c.routine, c.error);
    // The analyzer takes the death test's child for a leak.
    EXPECT_EXIT(  // NOLINT(clang-analyzer-cplusplus.NewDeleteLeaks)
        {
          ShowStdoutInOrder();
          Send();
        },
        ExitedWithCode(1), Eq(RoadTo(c.callsMade) + report + c.teardown))
        << c.call;
  }
}

// A second cleanup releases nothing again.
TEST(Sender, SentDatagramIsFollowedByTeardownThenTheCompletionText) {
  fakeFailingCall = "";
  EXPECT_EXIT(
      {
        ShowStdoutInOrder();
        Send();
        DoCleanup();
        std::exit(0);
      },
      ExitedWithCode(0), Eq(RoadTo(5) + kFullTeardown + kSentText));
}

}  // namespace
