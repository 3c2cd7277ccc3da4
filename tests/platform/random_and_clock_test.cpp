#include <gtest/gtest.h>

#include "platform/clock.h"

namespace dorvan::platform {
namespace {

class RecordingClock : public Platform {
 public:
  double now = 0;
  double paused = 0;
  Answer messageBox(const std::string&, const std::string&, Buttons, Icon, int) override {
    return Answer::Ok;
  }
  std::optional<std::string> inputBox(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  void clipboardClear() override {}
  void clipboardSetText(const std::string&) override {}
  std::string clipboardText() override { return {}; }
  void beep() override {}
  double secondsSinceMidnight() override { return now; }
  void pause(double seconds, PauseKind) override { paused += seconds; }
  bool startProcess(const std::string&) override { return true; }
  void openWebPage(const std::string&) override {}
  ScreenSize screenSize() override { return {}; }
  std::string workingDirectory() override { return {}; }
};

TEST(Clock, WaitEndsHalfASecondAfterTheNearestWholeSecond) {
  struct Case {
    double start, offset, expected;
  };
  for (Case c : {Case{100.0, 0.5, 0.5}, Case{100.4, 0.5, 0.1}, Case{100.6, 0.5, 0.9},
                 Case{100.6, 1.0, 1.4}, Case{100.5, 0.5, 1.0}, Case{86399.7, 0.5, 0.8}}) {
    RecordingClock clock;
    clock.now = c.start;
    pauseToRoundedSecondPlus(clock, c.offset, PauseKind::NoInput);
    EXPECT_NEAR(clock.paused, c.expected, 1e-9) << c.start << " + " << c.offset;
  }
}

TEST(Clock, IntervalsCrossMidnight) {
  EXPECT_DOUBLE_EQ(secondsBetween(86399.5, 0.5), 1.0);
  EXPECT_DOUBLE_EQ(secondsBetween(10.0, 12.5), 2.5);
  EXPECT_DOUBLE_EQ(secondsBetween(12.5, 10.0), 0.0);
}

}  // namespace
}  // namespace dorvan::platform
