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

std::string name(const Control& c) {
  return c.name + "(" + std::to_string(c.index) + ")";
}

// Where a control lies in the window's client area, containers taken into account.
Rect placeInWindow(const forms::Form& form, const Control& c) {
  Rect r{c.left, c.top, c.width, c.height};
  if (!c.container.empty()) {
    const Rect outer = placeInWindow(form, form.at(c.container));
    r.left += outer.left;
    r.top += outer.top;
  }
  return r;
}

bool overlap(Rect a, Rect b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

bool isPanelControl(const Control& c) {
  return c.kind != ControlKind::Line && c.kind != ControlKind::MenuItem &&
         c.kind != ControlKind::Timer && c.name != "Label2";
}

// What a person can see of every control, to compare the window before and after a change.
using Look = std::tuple<bool, bool, int, Colour, int, forms::LineStyle, bool>;
std::vector<Look> looks(const forms::Form& form) {
  std::vector<Look> result;
  for (const Control& c : form.controls())
    result.emplace_back(c.visible, c.enabled, c.value, c.color, c.borderWidth, c.style, c.checked);
  return result;
}

TEST(Form2Layout, PanelKeepsClearOfTheDrawingAndFitsA1280By800Screen) {
  Session s;
  const Form2& form = s.form();
  // A 1280 x 800 screen leaves a client area of about 19100 x 10700 twips under the menu bar.
  const Rect smallScreen{0, 0, 19100, 10700};
  const Rect diagram{kDiagramPlacement.origin.x, kDiagramPlacement.origin.y, 2860, 2000};
  for (const Control& c : form.controls()) {
    if (!isPanelControl(c)) continue;
    const Rect r = placeInWindow(form, c);
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.left + r.width <= smallScreen.width &&
                r.top + r.height <= smallScreen.height)
        << name(c) << " lies off a small screen";
    // The verdicts of a finished game stand over the drawing on purpose.
    if (c.container.empty() && c.name != "Label40") {
      EXPECT_FALSE(overlap(r, layout::kMainView)) << name(c) << " covers the main view";
      EXPECT_FALSE(overlap(r, layout::kSecondView)) << name(c) << " covers the second view";
      EXPECT_FALSE(overlap(r, diagram)) << name(c) << " covers the small diagram";
    }
  }
  // Side by side controls of the panel do not cover one another either.
  for (const Control& a : form.controls()) {
    for (const Control& b : form.controls()) {
      if (&a >= &b || !isPanelControl(a) || !isPanelControl(b) || a.container != b.container)
        continue;
      if (a.name == b.container || b.name == a.container) continue;
      EXPECT_FALSE(overlap(placeInWindow(form, a), placeInWindow(form, b)))
          << name(a) << " and " << name(b) << " overlap";
    }
  }
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

// The highlight colours before a flash, one per slot of `flashlist`.
void prepareFlash(Form2& form, const std::vector<int>& positions) {
  form.flashlist = {};
  form.flashcolours = {};
  for (std::size_t i = 0; i < positions.size(); ++i) {
    const int p = positions[i];
    form.at("pow", p).color = i % 2 ? 0xFF0000 : 0x0000FF;
    form.at("slam", p).color = form.at("pow", p).color;
    form.flashlist[i + 1] = p;
    form.flashcolours[i + 1] = form.at("pow", p).color;
  }
}

TEST(Form2Flash, EverySquareFlashesAndComesBackWithCheatOn) {
  Session s;
  s.run("click cht");
  Form2& form = s.form();
  for (int square = 1; square <= kSquareCount; ++square) {
    const std::vector<int> lines(sqlines[square].begin() + 1, sqlines[square].end());
    prepareFlash(form, lines);
    const std::vector<Look> before = looks(form);
    form.flashon(square);
    for (int line : lines) {
      EXPECT_EQ(form.at("pow", line).color, 0x00FF00u);
      EXPECT_EQ(form.at("slam", line).color, 0x00FF00u);
      const DiagramElement e = screenpositions[line].diagram;
      const bool green = (e.array == DiagramArray::a && e.number == 5) ||
                         (e.array == DiagramArray::Line && e.number == 2 && e.index == 2);
      EXPECT_EQ(form.at(e.array == DiagramArray::a ? "a" + std::to_string(e.number)
                                                   : "Line" + std::to_string(e.number),
                        e.index)
                    .color,
                green ? 0x00FFFFu : 0x00FF00u)
          << "square " << square << " line " << line;
    }
    form.flashoff(square);
    EXPECT_EQ(looks(form), before) << "square " << square;
  }
}

TEST(Form2Flash, WithoutCheatOnlyTheHighlightsChangeAndDorvanFlashesTwelve) {
  Session s;
  Form2& form = s.form();
  const std::vector<int> cell7(celllines[kWhiteCell].begin() + 1, celllines[kWhiteCell].end());
  prepareFlash(form, cell7);
  std::vector<Look> before = looks(form);
  form.flashon(5);
  int changed = 0;
  const std::vector<Look> during = looks(form);
  for (std::size_t i = 0; i < before.size(); ++i) changed += before[i] != during[i];
  EXPECT_EQ(changed, 2 * 4);  // Merrin flashes a square's four lines, in both views
  form.flashoff(5);
  EXPECT_EQ(looks(form), before);

  s.run("click game 2");
  before = looks(form);
  form.flashon(kWhiteCell);
  EXPECT_EQ(form.at("pow", cell7.back()).color, 0x00FF00u);
  EXPECT_EQ(form.at("slam", cell7.back()).color, 0x00FF00u);
  form.flashoff(kWhiteCell);
  EXPECT_EQ(looks(form), before);
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
