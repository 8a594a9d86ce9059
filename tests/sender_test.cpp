// SPDX-License-Identifier: MIT
#include "wake/sender.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
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

std::string Report(const std::string& call, const std::string& routine, int error) {
  return "The Call to " + call + "() in routine() " + routine + " failed with error " +
         std::to_string(error) + "\n";
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
      // The error numbers reach both ends of an int, and 0.
      // clang-format off
      {"WSAStartup", "DoStartup",   INT_MAX, 1, ""},
      {"socket",     "DoUdp",       0,       2, "WSACleanup\n"},
      {"setsockopt", "DoUdpClient", 13,      3, kFullTeardown.c_str()},
      {"bind",       "DoUdpClient", -98,     4, kFullTeardown.c_str()},
      {"sendto",     "DoUdpClient", INT_MIN, 5, kFullTeardown.c_str()},
      // clang-format on
  };
  for (const auto& c : kCases) {
    fakeFailingCall = c.call;
    fakeError = c.error;
    const std::string report = Report(c.call, c.routine, c.error);
    EXPECT_EXIT(
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
