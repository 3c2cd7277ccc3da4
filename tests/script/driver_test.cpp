#include <gtest/gtest.h>

#include <sstream>

#include "script/quoting.h"
#include "script/script_runner.h"
#include "test_window.h"

namespace dorvan::script {
namespace {

struct ScriptRun {
  std::ostringstream out;
  std::ostringstream err;
  int status = 0;
};

// Runs script text against the test window and returns its transcript.
ScriptRun runTester(const std::string& script) {
  ScriptRun run;
  ScriptRunner runner(run.out, "", testing::registerTestWindow, "Tester");
  std::istringstream in(script);
  run.status = runner.runAll(in, run.err);
  return run;
}

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

TEST(Driver, NamesAreMatchedWithoutRegardToCase) {
  ScriptRun run = runTester("show check1\nshow CHECK1\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.str(),
            "Check1 caption=\"\" forecolor=2147483656 left=0 top=0 width=0 height=0 value=0 "
            "enabled=1 visible=1\n"
            "Check1 caption=\"\" forecolor=2147483656 left=0 top=0 width=0 height=0 value=0 "
            "enabled=1 visible=1\n");
}

TEST(Driver, ClicksToggleCheckBoxesAndSelectOneOption) {
  ScriptRun run = runTester(
      "click Check1\nclick Check1\nclick Check1\nclick Choice 1\nclick Choice 0\n"
      "show Check1\nshow Choice 0\nshow Choice 1\n");
  std::string out = run.out.str();
  EXPECT_NE(out.find("Check1 caption=\"\" forecolor=2147483656 left=0 top=0 width=0 height=0 "
                     "value=1"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("Choice(0) caption=\"\" forecolor=2147483656 left=0 top=0 width=0 "
                     "height=0 value=1"),
            std::string::npos);
  EXPECT_NE(out.find("Choice(1) caption=\"\" forecolor=2147483656 left=0 top=0 width=0 "
                     "height=0 value=0"),
            std::string::npos);
}

TEST(Driver, HiddenDisabledAndUnreachableControlsRefuseClicks) {
  std::ostringstream out, err;
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

TEST(Driver, MessageBoxesTakeQueuedAnswersOrTheirDefault) {
  ScriptRun run = runTester("click Go\nanswer yes\nclick Go\nanswer \"text\"\nclick Go\n");
  EXPECT_EQ(run.out.str(),
            "msgbox text=\"Go?\" title=\"\" buttons=yesno icon=question default=2 -> no\n"
            "msgbox text=\"Go?\" title=\"\" buttons=yesno icon=question default=2 -> yes\n"
            "msgbox text=\"Go?\" title=\"\" buttons=yesno icon=question default=2 -> no\n");
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

TEST(Driver, TheProgramEndsWhenAHandlerEndsItOrTheLastWindowCloses) {
  ScriptRun ended = runTester("click quit\nclick Go\n");
  EXPECT_EQ(ended.status, 0);
  EXPECT_EQ(ended.out.str(), "end\n");
  ScriptRun closed = runTester("click Close\nshow Go\n");
  EXPECT_EQ(closed.out.str(), "close Tester\nend\n");
}

TEST(Driver, BadLinesAreScriptErrorsWithTheirLineNumber) {
  struct Case {
    const char* script;
    const char* error;
  };
  for (Case c : {Case{"\n# comment\nfrobnicate\n", "error 3: unknown command frobnicate\n"},
                 Case{"click Nothing\n", "error 1: no control Nothing on Tester\n"},
                 Case{"click Choice\n", "error 1: no control Choice on Tester\n"},
                 Case{"click Choice 7\n", "error 1: no control Choice(7) on Tester\n"},
                 Case{"type Entry \"open\n", "error 1: bad quoting\n"},
                 Case{"wait soon\n", "error 1: wait takes milliseconds\n"},
                 Case{"table lineowner\n", "error 1: no table lineowner on Tester\n"},
                 Case{"type Go \"x\"\n", "error 1: Go is not a text box\n"}}) {
    ScriptRun run = runTester(c.script);
    EXPECT_EQ(run.status, 2) << c.script;
    EXPECT_EQ(run.err.str(), c.error) << c.script;
  }
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
