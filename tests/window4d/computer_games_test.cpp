// Whole one-player games on the tesseract, played through the driver. Every line the computer
// draws is predicted here from the rules of its choice, with a shadow of the program's random
// source, and checked against what the window recorded.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "common/random_source.h"
#include "game4d/incidence.h"
#include "script/script_runner.h"
#include "window4d/click_targets.h"

namespace dorvan::window4d {
namespace {

using Owners = std::vector<long>;  // lineowner, 1..32 at 0..31

struct Rules {
  bool cells;
  int units() const { return cells ? kCellCount : kSquareCount; }
  int size() const { return cells ? kLinesPerCell : kLinesPerSquare; }
  int line(int unit, int k) const { return cells ? celllines[unit][k] : sqlines[unit][k]; }
  int drawn(const Owners& o, int unit) const {
    int n = 0;
    for (int k = 1; k <= size(); ++k) n += o[line(unit, k) - 1] != 0;
    return n;
  }
  bool completes(const Owners& o, int l) const {
    for (int unit = 1; unit <= units(); ++unit) {
      bool has = false;
      for (int k = 1; k <= size(); ++k) has = has || line(unit, k) == l;
      if (has && drawn(o, unit) == size()) return true;
    }
    return false;
  }
};

// The computer's next line: the first missing line of the lowest unit one short; else a
// random line among the free ones in no unit two short (in the cells variant never 1, 4, 6 or
// 26 there); else a random free line.
int predict(const Rules& rules, const Owners& o, RandomSource& shadow) {
  for (int unit = 1; unit <= rules.units(); ++unit) {
    if (rules.drawn(o, unit) != rules.size() - 1) continue;
    for (int k = 1; k <= rules.size(); ++k)
      if (o[rules.line(unit, k) - 1] == 0) return rules.line(unit, k);
  }
  std::vector<int> safe, free;
  for (int l = 1; l <= kLineCount; ++l) {
    if (o[l - 1] != 0) continue;
    free.push_back(l);
    bool threatened = false;
    for (int unit = 1; unit <= rules.units(); ++unit)
      for (int k = 1; k <= rules.size(); ++k)
        threatened =
            threatened || (rules.line(unit, k) == l && rules.drawn(o, unit) == rules.size() - 2);
    const bool corner = l == 1 || l == 4 || l == 6 || l == 26;
    if (!threatened && !(rules.cells && corner)) safe.push_back(l);
  }
  const std::vector<int>& from = safe.empty() ? free : safe;
  return from[shadow.choose(static_cast<int>(from.size())) - 1];
}

void playWholeGame(bool cells) {
  std::ostringstream out;
  script::ScriptRunner runner(out, "4");
  if (cells) runner.execute("click game 2", 1);
  runner.execute("answer no", 1);  // to the play-again question at the end
  RandomSource shadow;
  const Rules rules{cells};
  Owners expected(kLineCount, 0);
  auto owners = [&] { return runner.app().activeForm()->table("lineowner")->rows[0]; };
  int computerLines = 0;
  while (!runner.ended()) {
    // Blue takes the lowest free line that completes something, else the lowest free line.
    int blue = 0;
    for (int l = kLineCount; l >= 1; --l) {
      if (expected[l - 1] != 0) continue;
      Owners tried = expected;
      tried[l - 1] = 2;
      if (blue == 0 || rules.completes(tried, l)) blue = l;
    }
    ASSERT_NE(blue, 0);
    expected[blue - 1] = 2;
    const bool blueScored = rules.completes(expected, blue);
    bool redToMove = !blueScored;
    while (redToMove && std::count(expected.begin(), expected.end(), 0) > 0) {
      const int red = predict(rules, expected, shadow);
      expected[red - 1] = 1;
      ++computerLines;
      redToMove = rules.completes(expected, red);
    }
    runner.execute("click Label2 " + std::to_string(*label2Elements(blue).begin()), 1);
    if (runner.ended()) break;
    ASSERT_EQ(owners(), expected) << out.str();
  }
  EXPECT_EQ(std::count(expected.begin(), expected.end(), 0), 0);
  EXPECT_GT(computerLines, 10);
  EXPECT_NE(out.str().find("Game Over. Would you like to play again?"), std::string::npos);
}

TEST(ComputerGames4d, EveryLineOfTheComputerFollowsTheRulesInMerrin) {
  playWholeGame(false);
}

TEST(ComputerGames4d, EveryLineOfTheComputerFollowsTheRulesInDorvan) {
  playWholeGame(true);
}

}  // namespace
}  // namespace dorvan::window4d
