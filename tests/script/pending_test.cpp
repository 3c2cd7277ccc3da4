// Events queued with `pending` arrive inside the next command's pause that lets events run, or
// right after that command when it has none.

#include <gtest/gtest.h>

#include <sstream>

#include "flash_window.h"
#include "script/script_runner.h"
#include "script_run.h"

namespace dorvan::script {
namespace {

using Log = std::vector<std::string>;

struct FlashRun {
  std::ostringstream out;
  std::ostringstream err;
  ScriptRunner runner{out, "", testing::registerFlashWindow, "Flasher"};
  int status = 0;

  explicit FlashRun(const std::string& script) {
    std::istringstream in(script);
    status = runner.runAll(in, err);
  }
  testing::FlashWindow& window() {
    return static_cast<testing::FlashWindow&>(*runner.app().activeForm());
  }
};

TEST(Pending, ArrivesInOrderDuringThePauseOfTheNextCommand) {
  FlashRun run("pending click Mark 1\npending click Mark 2\nclick Quiet\nclick Flash\n");
  EXPECT_EQ(run.status, 0) << run.err.str();
  // Queued before "click Quiet", they wait for no pause of a later command.
  EXPECT_EQ(run.window().log, (Log{"quiet", "mark 1", "mark 2", "flash begins", "flash ends"}));

  FlashRun paused(
      "pending click Mark 1\n# a comment is no command\npending show Mark 2\n"
      "click Flash\nclick Quiet\n");
  EXPECT_EQ(paused.window().log, (Log{"flash begins", "mark 1", "flash ends", "quiet"}));
  EXPECT_EQ(paused.out.str().rfind("Mark(2) caption=\"\"", 0), 0u) << paused.out.str();
}

TEST(Pending, ArrivesAsThePauseBeginsAndItsTimeCountsInThePause) {
  std::ostringstream out;
  ScriptRunner runner(out, "", testing::registerFlashWindow, "Flasher");
  const std::int64_t start = runner.platform().nowMs();
  runner.execute("pending wait 200", 1);
  runner.execute("pending click Spin", 2);
  runner.execute("click Flash", 3);
  auto& window = static_cast<testing::FlashWindow&>(*runner.app().activeForm());
  EXPECT_EQ(runner.platform().nowMs() - start, 500);
  // The fast timer started 200 ms into the half-second flash, which lets it tick.
  EXPECT_EQ(window.fastTicks, 300);
}

TEST(Pending, AnEventThatPausesAgainFindsNothingLeftToDeliver) {
  FlashRun run("pending click Flash\npending click Mark 0\nclick Flash\n");
  EXPECT_EQ(run.window().log,
            (Log{"flash begins", "flash begins", "flash ends", "mark 0", "flash ends"}));
}

TEST(Pending, WhatTheScriptLeavesQueuedArrivesAtItsEnd) {
  FlashRun run("click Quiet\npending click Mark 0\n");
  EXPECT_EQ(run.window().log, (Log{"quiet", "mark 0"}));
  FlashRun closed("pending click Close\npending click Mark 0\nclick Quiet\n");
  EXPECT_EQ(closed.out.str(), "close Flasher\nend\n");
  EXPECT_TRUE(closed.runner.ended());
}

TEST(Pending, ErrorsAreReportedAtThePendingLine) {
  using testing::ScriptEnd;
  testing::expectEnds(
      {ScriptEnd{"pending\n", "error 1: pending needs a command\n"},
       ScriptEnd{"\npending frob\n", "error 2: unknown command frob\n"},
       ScriptEnd{"pending click\n", "error 1: wrong number of arguments to click\n"},
       ScriptEnd{"pending wait -5\n", "error 1: wait takes 0 to 86400000 milliseconds\n"},
       ScriptEnd{"pending \"click\"\n", "error 1: a command must come first\n"},
       ScriptEnd{"pending pending click Quiet\n",
                 "error 1: pending takes a command other than pending\n"},
       // Names are looked up on the window active when the event arrives.
       ScriptEnd{"pending click Nothing\nclick Flash\n",
                 "error 1: no control Nothing on Flasher\n"}},
      testing::registerFlashWindow, "Flasher");
}

}  // namespace
}  // namespace dorvan::script
