// The strong computer and the hint in both windows, through the driver: a hint leaves the game
// exactly as it was (the classic computer's later draws included), and it shows the very line
// the strong computer plays.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "forms/form.h"
#include "game3d/lattice_tables.h"
#include "script/script_runner.h"
#include "window3d/board_geometry.h"
#include "window4d/click_targets.h"

namespace dorvan::script {
namespace {

struct Window {
  std::string arg;     // the command line: the cube or the tesseract
  std::string target;  // its click targets
  int lines;
};

const Window kCube{"", "Label22", game3d::kLineCount};
const Window kTesseract{"4", "Label2", window4d::kLineCount};

// A click on the lowest free line.
std::string clickLowestFree(const Window& window, const std::vector<long>& owners) {
  int line = 1;
  while (owners[line - 1] != 0) ++line;
  int target = window.arg.empty() ? 0 : *window4d::label2Elements(line).begin();
  if (window.arg.empty())
    while (window3d::kTargets[target].move != line) ++target;
  return "click " + window.target + " " + std::to_string(target);
}

std::vector<long> owners(ScriptRunner& runner) {
  return runner.app().activeForm()->table("lineowner")->rows[0];
}

// The lines marked green as a hint: the cube's thinner green lines, the tesseract's green
// highlights (found by the line its position shows, which is the position before any turn).
std::vector<int> hintedLines(ScriptRunner& runner, const Window& window) {
  forms::Form& form = *runner.app().activeForm();
  std::vector<int> lines;
  const bool cube = window.arg.empty();
  for (int line = 1; line <= window.lines; ++line) {
    const forms::Control& c = cube ? form.at("LN", line) : form.at("pow", line);
    if (c.color == 0x00FF00 && c.visible && c.borderWidth == (cube ? 3 : 7)) lines.push_back(line);
  }
  return lines;
}

class Opponents : public ::testing::TestWithParam<Window> {};

TEST_P(Opponents, AHintLeavesTheGameAsItWas) {
  const Window& window = GetParam();
  std::ostringstream plainOut, hintedOut;
  ScriptRunner plain(plainOut, window.arg), hinted(hintedOut, window.arg);
  for (int move = 0; move < 10; ++move) {
    plain.execute("wait 300", 1);
    hinted.execute("wait 300", 1);
    hinted.execute("click hnt", 1);
    ASSERT_EQ(hintedLines(hinted, window).size(), 1u) << hintedOut.str();
    for (const char* table : {"lineowner", "redtomove", "timeleft"})
      EXPECT_EQ(hinted.app().activeForm()->table(table)->rows,
                plain.app().activeForm()->table(table)->rows)
          << table;
    // The same line for both, and the classic computer's reply must be the same too.
    const std::string click = clickLowestFree(window, owners(plain));
    plain.execute(click, 1);
    hinted.execute(click, 1);
    ASSERT_EQ(owners(hinted), owners(plain)) << hintedOut.str();
    EXPECT_TRUE(hintedLines(hinted, window).empty());
  }
}

TEST_P(Opponents, TheStrongComputerDrawsTheLineTheHintShowsForRed) {
  const Window& window = GetParam();
  std::ostringstream againstOut, twoOut;
  ScriptRunner against(againstOut, window.arg), two(twoOut, window.arg);
  against.execute("click opp 1", 1);
  two.execute("click ip 1", 1);
  const std::string first = clickLowestFree(window, owners(two));
  against.execute(first, 1);
  two.execute(first, 1);
  two.execute("click hnt", 1);
  const std::vector<int> hint = hintedLines(two, window);
  ASSERT_EQ(hint.size(), 1u);
  const std::vector<long> after = owners(against);
  EXPECT_EQ(after[hint[0] - 1], 1) << againstOut.str();
  EXPECT_EQ(std::count(after.begin(), after.end(), 1), 1);
}

TEST_P(Opponents, TheOpponentIsChosenBetweenGamesAndOneIsAlwaysChecked) {
  const Window& window = GetParam();
  std::ostringstream out;
  ScriptRunner runner(out, window.arg);
  forms::Form& form = *runner.app().activeForm();
  EXPECT_TRUE(form.at("opp", 0).checked);
  runner.execute("click opp 1", 1);
  runner.execute("click opp 1", 1);
  EXPECT_FALSE(form.at("opp", 0).checked);
  EXPECT_TRUE(form.at("opp", 1).checked);
  runner.execute(clickLowestFree(window, owners(runner)), 1);
  runner.execute("click opp 0", 1);
  EXPECT_NE(out.str().find("refused opp(0)"), std::string::npos);
  EXPECT_TRUE(form.at("opp", 1).checked);
}

INSTANTIATE_TEST_SUITE_P(BothWindows, Opponents, ::testing::Values(kCube, kTesseract),
                         [](const auto& info) {
                           return info.param.arg.empty() ? "Cube" : "Tesseract";
                         });

}  // namespace
}  // namespace dorvan::script
