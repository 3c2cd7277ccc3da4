#include "rules/computer.h"

#include <gtest/gtest.h>

#include <set>

#include "boards.h"
#include "common/random_source.h"
#include "game4d/board.h"

namespace dorvan::rules {
namespace {

using testing::drawAllBut;
using testing::lattice;
using testing::tesseract;

double never() {
  ADD_FAILURE() << "a take must not use the random sequence";
  return 0.0;
}

ComputerMove choose(const Board& board, const Game& game, Variant variant, double value,
                    ComputerPolicy policy = {}) {
  return chooseComputerMove(board, game.position, variant, policy, [value] { return value; });
}

TEST(Computer, TakesTheLowestBoxOneLineShortWithoutDrawing) {
  Game game;
  drawAllBut(lattice(), game, Variant::kMerrin, {5}, 24);
  drawAllBut(lattice(), game, Variant::kMerrin, {1}, 11);
  ComputerMove move = chooseComputerMove(lattice(), game.position, Variant::kMerrin, {}, never);
  EXPECT_EQ(move.play, ComputerPlay::kTake);
  EXPECT_EQ(move.line, 11);
  EXPECT_EQ(move.sidecount[1], 3);
  EXPECT_EQ(move.sidecount[5], 3);

  Game cubes;
  drawAllBut(lattice(), cubes, Variant::kDorvan, {8}, 50);
  EXPECT_EQ(chooseComputerMove(lattice(), cubes.position, Variant::kDorvan, {}, never).line, 50);
}

TEST(Computer, DrawsFromTheProgramsSequenceAmongSafeLinesInLineOrder) {
  RandomSource random;
  // First value 0.7055475: Int(0.7055475 * 54 + 1) is the 39th free line.
  ComputerMove move = chooseComputerMove(lattice(), Position{}, Variant::kMerrin, {},
                                         [&] { return random.next(); });
  EXPECT_EQ(move.play, ComputerPlay::kSafe);
  EXPECT_EQ(move.line, 39);

  // Only boxes two lines short make their lines unsafe: square 5 of the tesseract has two, so
  // 3 and 4 are never drawn, while lines that give another square its second line still are.
  Game game;
  testing::play(tesseract(), game, Variant::kMerrin, {1, 2});
  std::set<int> chosen;
  for (int k = 0; k < 64; ++k)
    chosen.insert(choose(tesseract(), game, Variant::kMerrin, k / 64.0).line);
  EXPECT_FALSE(chosen.contains(1) || chosen.contains(2) || chosen.contains(3) ||
               chosen.contains(4));
  EXPECT_TRUE(chosen.contains(26) && chosen.contains(6));
  EXPECT_EQ(choose(tesseract(), game, Variant::kMerrin, 0.0).line, 5);
  EXPECT_EQ(choose(tesseract(), game, Variant::kMerrin, 1.0).line, 32)
      << "a value of 1 stays in range";
  EXPECT_EQ(pickCandidate(54, 0.0), 1);
  EXPECT_EQ(pickCandidate(54, 1.0 - 1e-9), 54);
}

TEST(Computer, TheTesseractKeepsItsCornerLinesBackInDorvanAndAtTheHalfLevel) {
  const Game empty;
  for (bool halfLevel : {false, true}) {
    for (Variant variant : {Variant::kMerrin, Variant::kDorvan}) {
      const ComputerPolicy policy = game4d::computerPolicy(variant, halfLevel);
      std::set<int> chosen;
      for (int k = 0; k < 32; ++k)
        chosen.insert(choose(tesseract(), empty, variant, (k + 0.5) / 32.0, policy).line);
      const bool keptBack = halfLevel || variant == Variant::kDorvan;
      for (int line : {1, 4, 6, 26}) EXPECT_EQ(chosen.contains(line), !keptBack) << line;
    }
  }
}

// Safe lines never leave a box one line short; the computer falls back to any free line only
// once every free line does, and draws exactly one random value a line.
TEST(Computer, FallsBackOnlyWhenEveryFreeLineGivesABoxAway) {
  for (const Board* board : {&lattice(), &tesseract()}) {
    for (Variant variant : {Variant::kMerrin, Variant::kDorvan}) {
      RandomSource random;
      int draws = 0;
      auto next = [&] { return ++draws, random.next(); };
      Game game;
      game.variant = variant;
      ComputerMove move = chooseComputerMove(*board, game.position, variant, {}, next);
      while (move.play == ComputerPlay::kSafe) {
        drawComputerLine(game, move.line);
        const SideCounts after = countSides(*board, game.position, variant, kRed);
        for (int box = 1; box <= board->boxes(variant).count; ++box)
          ASSERT_LT(after[box], board->boxes(variant).sides - 1) << "line " << move.line;
        move = chooseComputerMove(*board, game.position, variant, {}, next);
      }
      ASSERT_EQ(move.play, ComputerPlay::kAnyFree);
      EXPECT_EQ(draws, countLines(game.position.drawn()) + 1);
    }
  }
}

TEST(Computer, MakesNoMoveInDuomarOrWithNoLineItMayDraw) {
  const Game empty;
  EXPECT_EQ(chooseComputerMove(tesseract(), empty.position, Variant::kDuomar, {}, never).play,
            ComputerPlay::kNone);
  Game full;
  for (int line = 1; line <= 32; ++line) full.position.draw(line, kRed, Marks::kBoth);
  EXPECT_EQ(chooseComputerMove(tesseract(), full.position, Variant::kDorvan, {}, never).play,
            ComputerPlay::kNone);
  Game closedOnly;
  for (int line = 1; line <= 32; ++line)
    if (!game4d::closedAtHalfLevel(line)) closedOnly.position.draw(line, kRed, Marks::kBoth);
  EXPECT_EQ(chooseComputerMove(tesseract(), closedOnly.position, Variant::kMerrin,
                               game4d::computerPolicy(Variant::kMerrin, true), never)
                .play,
            ComputerPlay::kNone);
}

}  // namespace
}  // namespace dorvan::rules
