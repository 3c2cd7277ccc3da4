#include <gtest/gtest.h>

#include <algorithm>

#include "board.h"
#include "common/random_source.h"
#include "game3d/computer.h"
#include "game3d/scoring.h"

namespace dorvan::game3d {
namespace {

using testing::draw;
using testing::drawAllBut;

double noDraw() {
  ADD_FAILURE() << "a take must not use the random sequence";
  return 0.0;
}

TEST(Computer3d, TakesTheLowestBoxOneLineShortWithoutDrawing) {
  Position position;
  draw(position, Variant::kMerrin, {13, 23, 15}, kBlue);  // square 5 lacks line 24
  draw(position, Variant::kMerrin, {1, 3, 12}, kBlue);    // square 1 lacks line 11
  ComputerMove move = chooseComputerMove(position, Variant::kMerrin, noDraw);
  EXPECT_EQ(move.play, ComputerPlay::kTake);
  EXPECT_EQ(move.box, 1);
  EXPECT_EQ(move.lines, std::vector<int>{11});

  Position cubes;
  drawAllBut(cubes, Variant::kDorvan, {8}, 50);
  move = chooseComputerMove(cubes, Variant::kDorvan, noDraw);
  EXPECT_EQ(move.box, 8);
  EXPECT_EQ(move.lines, std::vector<int>{50});
}

TEST(Computer3d, DrawsFromTheProgramsSequenceAmongSafeLines) {
  RandomSource random;
  auto next = [&] { return random.next(); };
  // First value 0.7055475: Int(0.7055475 * 54 + 1) is the 39th free line.
  ComputerMove move = chooseComputerMove(Position{}, Variant::kMerrin, next);
  EXPECT_EQ(move.play, ComputerPlay::kSafe);
  EXPECT_EQ(move.candidates.size(), 54u);
  EXPECT_EQ(move.lines, std::vector<int>{39});

  Position position;
  // Square 1 has two sides: 3 or 12 would give it away.
  draw(position, Variant::kMerrin, {1, 11}, kBlue);
  EXPECT_EQ(danger(position, Variant::kMerrin), (std::vector<int>{1, 11, 3, 12}));
  move = chooseComputerMove(position, Variant::kMerrin, [] { return 0.999999; });
  EXPECT_EQ(move.candidates.size(), 50u);
  EXPECT_EQ(std::count(move.candidates.begin(), move.candidates.end(), 3), 0);
  EXPECT_EQ(move.lines, std::vector<int>{54});
  EXPECT_EQ(pickCandidate(54, 0.0), 1);
  EXPECT_EQ(pickCandidate(54, 1.0 - 1e-9), 54);
}

// Safe lines never leave a box one line short, and the computer falls back to any free line only
// once every free line does.
TEST(Computer3d, FallsBackOnlyWhenEveryFreeLineGivesABoxAway) {
  for (Variant variant : {Variant::kMerrin, Variant::kDorvan}) {
    RandomSource random;
    int draws = 0;
    auto next = [&] { return ++draws, random.next(); };
    Position position;
    ComputerMove move = chooseComputerMove(position, variant, next);
    while (move.play == ComputerPlay::kSafe) {
      drawLine(position, variant, move.lines.front(), kRed);
      move = chooseComputerMove(position, variant, next);
    }
    ASSERT_EQ(move.play, ComputerPlay::kAnyFree);
    const int safeLines = kLineCount - movesLeft(position);
    EXPECT_EQ(draws, safeLines + 1);
    EXPECT_EQ(static_cast<int>(move.candidates.size()), movesLeft(position));
    const std::vector<int> risky = danger(position, variant);
    for (int line : move.candidates) {
      EXPECT_NE(std::find(risky.begin(), risky.end(), line), risky.end()) << line;
    }
  }
}

}  // namespace
}  // namespace dorvan::game3d
