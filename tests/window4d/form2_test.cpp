#include "window4d/form2.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>
#include <vector>

#include "script/script_runner.h"
#include "support/consistency.h"
#include "window4d/diagram.h"
#include "window4d/form2_layout.h"

namespace dorvan::window4d {
namespace {

using forms::Control;
using forms::ControlKind;

// The program started at the tesseract window, driven as a script drives it.
struct Session {
  explicit Session(const std::string& commandLine = "4") : runner(out, commandLine) {}

  Form2& form() { return dynamic_cast<Form2&>(*runner.app().activeForm()); }
  void run(const std::string& line) { runner.execute(line, 1); }

  std::ostringstream out;
  script::ScriptRunner runner;
};

// What a person can see of every control, to compare the window before and after a change.
using Look = std::tuple<bool, bool, int, Colour, int, forms::LineStyle, bool>;
std::vector<Look> looks(const forms::Form& form) {
  std::vector<Look> result;
  for (const Control& c : form.controls())
    result.emplace_back(c.visible, c.enabled, c.value, c.color, c.borderWidth, c.style, c.checked);
  return result;
}

TEST(Form2Levels, HalfLevelLooksAsStartedThereAndBackRestoresEveryControl) {
  Session s;
  const std::vector<Look> before = looks(s.form());
  s.run("click opmen 8");
  EXPECT_NE(looks(s.form()), before);
  EXPECT_EQ(looks(s.form()), looks(Session("5").form()));
  // Only the frames of the purple, blue, green and white cells stay, in both views.
  for (int frame = 1; frame <= kFrameCount; ++frame) {
    const bool stays = frame == 3 || frame == 4 || frame == 5 || frame == 6;
    EXPECT_EQ(s.form().at("L" + std::to_string(frame), 1).visible, stays) << frame;
    EXPECT_EQ(s.form().at("m" + std::to_string(frame), 12).visible, stays) << frame;
  }
  s.run("click opmen 7");
  EXPECT_EQ(looks(s.form()), before);
}

TEST(Form2Invariants, CatchAFrameInTheWrongColourAndAPositionDrawnInPart) {
  Session s;
  Form2& form = s.form();
  ASSERT_TRUE(support::consistencyProblems(form).empty());
  form.at("L3", 7).color = 0x123456;
  EXPECT_FALSE(support::consistencyProblems(form).empty());
  form.at("L3", 7).color = form.at("L3", 1).color;
  form.at("L2", 3).borderWidth = 4;  // one of position 1's three lines
  EXPECT_FALSE(support::consistencyProblems(form).empty());
}

}  // namespace
}  // namespace dorvan::window4d
