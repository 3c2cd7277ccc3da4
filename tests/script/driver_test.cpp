#include <gtest/gtest.h>

#include <sstream>

#include "flash_window.h"
#include "script/limits.h"
#include "script/quoting.h"
#include "script/script_runner.h"
#include "script_run.h"
#include "test_window.h"

namespace dorvan::script {
namespace {

using testing::ScriptEnd;

TEST(Quoting, RoundTripsEveryEscape) {
  std::string text = "  a \"b\" \\ c\td\n ";
  auto tokens = tokenize("type Text1 " + quote(text));
  ASSERT_TRUE(tokens);
  ASSERT_EQ(tokens->size(), 3u);
  EXPECT_EQ((*tokens)[2].text, text);
  EXPECT_TRUE((*tokens)[2].quoted);
  EXPECT_FALSE(tokenize("type \"open"));
  EXPECT_FALSE(tokenize("type \"bad \\x escape\""));
  EXPECT_FALSE(tokenize("type \"a\"b"));
}

// Names are matched without regard to case; a check box toggles, an option is selected alone.
TEST(Driver, ClicksToggleCheckBoxesAndSelectOneOption) {
  std::ostringstream out;
  ScriptRunner runner(out, "", testing::registerTestWindow, "Tester");
  forms::Form& form = *runner.app().activeForm();
  int line = 0;
  for (const char* click :
       {"click check1", "click CHECK1", "click Check1", "click choice 1", "click Choice 0"})
    runner.execute(click, ++line);
  EXPECT_EQ(form.at("Check1").value, 1);
  EXPECT_EQ(form.at("Choice", 0).value, 1);
  EXPECT_EQ(form.at("Choice", 1).value, 0);
}

TEST(Driver, HiddenDisabledAndUnreachableControlsRefuseClicks) {
  std::ostringstream out;
  ScriptRunner runner(out, "", testing::registerTestWindow, "Tester");
  forms::Form& form = *runner.app().activeForm();
  form.at("Panel").visible = false;  // hides the options inside it
  form.at("Go").enabled = false;
  form.at("game").enabled = false;  // the menu above "quit"
  runner.execute("click Choice 0", 1);
  runner.execute("click Go", 2);
  runner.execute("click quit", 3);
  EXPECT_EQ(out.str(), "refused Choice(0)\nrefused Go\nrefused quit\n");
  EXPECT_FALSE(runner.ended());
}

TEST(Driver, TimersTickOncePerIntervalAndRestartTheirPhase) {
  std::ostringstream out, err;
  ScriptRunner runner(out, "", testing::registerTestWindow, "Tester");
  auto& form = static_cast<testing::TestWindow&>(*runner.app().activeForm());
  runner.execute("wait 50", 1);
  runner.execute("click Start", 2);
  runner.execute("wait 99", 3);
  EXPECT_EQ(form.ticks, 0);
  runner.execute("wait 1", 4);
  EXPECT_EQ(form.ticks, 1);
  runner.execute("wait 1000", 5);
  EXPECT_EQ(form.ticks, 11);
  // A pause that takes no input drops the ticks that fall due meanwhile.
  runner.execute("click Slow", 6);
  EXPECT_EQ(form.ticks, 11);
  runner.execute("wait 100", 7);
  EXPECT_EQ(form.ticks, 12);
  // A pause that lets events run delivers them.
  runner.execute("click Busy", 8);
  EXPECT_EQ(form.ticks, 22);
}

TEST(Driver, BadLinesAreScriptErrorsWithTheirLineNumber) {
  testing::expectEnds(
      {ScriptEnd{"\n# comment\nfrobnicate\n", "error 3: unknown command frobnicate\n"},
       ScriptEnd{"click Nothing\n", "error 1: no control Nothing on Tester\n"},
       ScriptEnd{"click Choice\n", "error 1: no control Choice on Tester\n"},
       ScriptEnd{"click Choice 7\n", "error 1: no control Choice(7) on Tester\n"},
       ScriptEnd{"type Entry \"open\n", "error 1: bad quoting\n"},
       ScriptEnd{"table lineowner\n", "error 1: no table lineowner on Tester\n"},
       ScriptEnd{"type Go \"x\"\n", "error 1: Go is not a text box\n"},
       // Numbers just past their bounds are refused before anything runs.
       ScriptEnd{"wait -1\n", "error 1: wait takes 0 to 86400000 milliseconds\n"},
       ScriptEnd{"wait 86400001\n", "error 1: wait takes 0 to 86400000 milliseconds\n"},
       ScriptEnd{"click Choice 32768\n", "error 1: bad index 32768 (0 to 32767)\n"},
       ScriptEnd{"show Choice -1\n", "error 1: bad index -1 (0 to 32767)\n"},
       ScriptEnd{"time 86400\n",
                 "error 1: time takes seconds since midnight, from 0 to below 86400\n"},
       ScriptEnd{"screen 0 100\n",
                 "error 1: screen takes a width and a height of 1 to 1000000 twips\n"},
       ScriptEnd{"screen 100 1000001\n",
                 "error 1: screen takes a width and a height of 1 to 1000000 twips\n"}},
      testing::registerTestWindow, "Tester");
}

TEST(Driver, AFastTimerFiresAtMostSoOftenPerWaitAndKeepsItsPhase) {
  std::ostringstream out;
  ScriptRunner runner(out, "", testing::registerFlashWindow, "Flasher");
  auto& window = static_cast<testing::FlashWindow&>(*runner.app().activeForm());
  runner.execute("click Spin", 1);
  runner.execute("wait 86400000", 2);
  EXPECT_EQ(window.fastTicks, kMaxTicksPerStretch);
  runner.execute("wait 1", 3);
  EXPECT_EQ(window.fastTicks, kMaxTicksPerStretch + 1);
}

TEST(Driver, ClipboardAndTimeOfDayAreVirtual) {
  std::ostringstream out, err;
  ScriptRunner runner(out, "", testing::registerTestWindow, "Tester");
  auto& p = runner.platform();
  EXPECT_DOUBLE_EQ(p.secondsSinceMidnight(), 43200.0);
  runner.execute("time 86399.5", 1);
  runner.execute("wait 700", 2);
  EXPECT_NEAR(p.secondsSinceMidnight(), 0.2, 1e-9);
  runner.execute("clipboard \"fl3ml3\"", 3);
  EXPECT_EQ(p.clipboardText(), "fl3ml3");
  runner.execute("clipboard none", 4);
  EXPECT_EQ(p.clipboardText(), "");
}

}  // namespace
}  // namespace dorvan::script
