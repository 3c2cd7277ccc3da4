#include "ai4d/computer.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace dorvan::ai4d {
namespace {

using game4d::Position;
using game4d::Variant;

// Lines drawn as the player draws them, so both mark tables hold them.
Position withLines(std::initializer_list<int> lines) {
  Position p;
  for (int line : lines) {
    p.mover = game3d::kBlue;
    game4d::drawLine(p, line);
  }
  return p;
}

double never() {
  ADD_FAILURE() << "a completing move draws no random number";
  return 0;
}

TEST(Computer4d, CompletesTheLowestUnitThatLacksOneLine) {
  // Squares 5 (1, 2, 3, 4) and 7 (32, 16, 19, 9) each lack one line.
  const Position p = withLines({1, 2, 3, 32, 16, 19});
  const Choice choice = chooseLine(p, Variant::kMerrin, false, never);
  EXPECT_EQ(choice.play, Play::kComplete);
  EXPECT_EQ(choice.line, 4);
  EXPECT_EQ(choice.sidecount[5], 3);
  EXPECT_EQ(choice.sidecount[7], 3);
}

TEST(Computer4d, OnlyUnitsTwoLinesShortMakeTheirLinesUnsafe) {
  // Square 5 has two lines: its other two are unsafe. Every other free line is a candidate,
  // including those that give some square its second line.
  const Position p = withLines({1, 2});
  std::set<int> chosen;
  for (int k = 0; k < 64; ++k) {
    const double r = k / 64.0;
    chosen.insert(chooseLine(p, Variant::kMerrin, false, [r] { return r; }).line);
  }
  EXPECT_FALSE(chosen.contains(3) || chosen.contains(4));
  EXPECT_FALSE(chosen.contains(1) || chosen.contains(2));
  // Squares 1 and 16 hold line 1 too: their lines are unsafe only if they had two drawn lines.
  EXPECT_TRUE(chosen.contains(26) && chosen.contains(6));
}

TEST(Computer4d, TheDrawPicksAmongTheCandidatesInLineOrder) {
  const Position empty;
  EXPECT_EQ(chooseLine(empty, Variant::kMerrin, false, [] { return 0.0; }).line, 1);
  EXPECT_EQ(chooseLine(empty, Variant::kMerrin, false, [] { return 0.9999; }).line, 32);
  const Choice half = chooseLine(empty, Variant::kMerrin, true, [] { return 0.0; });
  EXPECT_EQ(half.play, Play::kOrdinary);
  EXPECT_EQ(half.line, 2);  // line 1 is out of play at the half level
}

TEST(Computer4d, KeepsBackTheCornerLinesInDorvanAndAtTheHalfLevel) {
  const Position empty;
  for (bool halfLevel : {false, true}) {
    for (Variant variant : {Variant::kMerrin, Variant::kDorvan}) {
      std::set<int> chosen;
      for (int k = 0; k < 32; ++k) {
        const double r = (k + 0.5) / 32.0;
        chosen.insert(chooseLine(empty, variant, halfLevel, [r] { return r; }).line);
      }
      const bool keptBack = halfLevel || variant == Variant::kDorvan;
      for (int line : game4d::kHalfLevelClosedLines)
        EXPECT_EQ(chosen.contains(line), !keptBack) << line;
    }
  }
}

TEST(Computer4d, FallsBackToAnyFreeLineWhenNoneIsSafe) {
  // Draw the lowest line that leaves every square at two lines or fewer, while there is one:
  // then every free line lies in a square with two lines, and none is safe.
  Position p;
  auto staysSafe = [&](int line) {
    for (const game4d::Incidence& in : game4d::linesquares[line]) {
      int drawn = 0;
      for (int k = 1; k <= game4d::kLinesPerSquare; ++k) drawn += p.sqmarks[in.number][k] != 0;
      if (drawn >= 2) return false;
    }
    return true;
  };
  for (bool drew = true; drew;) {
    drew = false;
    for (int line = 1; line <= game4d::kLineCount && !drew; ++line) {
      if (p.lineowner[line] != 0 || !staysSafe(line)) continue;
      p.mover = game3d::kBlue;
      game4d::drawLine(p, line);
      drew = true;
    }
  }
  std::vector<int> free;
  for (int line = 1; line <= game4d::kLineCount; ++line)
    if (p.lineowner[line] == 0) free.push_back(line);
  ASSERT_FALSE(free.empty());
  const Choice lowest = chooseLine(p, Variant::kMerrin, false, [] { return 0.0; });
  const Choice highest = chooseLine(p, Variant::kMerrin, false, [] { return 0.9999; });
  EXPECT_EQ(lowest.play, Play::kOrdinary);
  EXPECT_EQ(lowest.line, free.front());
  EXPECT_EQ(highest.line, free.back());
}

TEST(Computer4d, MakesNoMoveInDuomarOrWithNoFreeLine) {
  EXPECT_EQ(chooseLine(Position{}, Variant::kDuomar, false, never).play, Play::kNone);
  Position full;
  for (int line = 1; line <= game4d::kLineCount; ++line) full.lineowner[line] = 1;
  EXPECT_EQ(chooseLine(full, Variant::kDorvan, false, never).play, Play::kNone);
}

}  // namespace
}  // namespace dorvan::ai4d
