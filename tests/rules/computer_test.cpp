// The greedy computer's choice where no game through a window reaches it: a take on the lattice,
// square or cube, before any random value, and the random value's full range. Its safe lines and
// fallbacks are followed line by line in the tesseract's games (ComputerGames4d) and in the 3D
// window's whole games.

#include "rules/computer.h"

#include <gtest/gtest.h>

#include "boards.h"

namespace dorvan::rules {
namespace {

using testing::drawAllBut;
using testing::lattice;
using testing::tesseract;

double never() {
  ADD_FAILURE() << "a take must not use the random sequence";
  return 0.0;
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

TEST(Computer, EveryRandomValueFromZeroToOnePicksAFreeLine) {
  Game game;
  testing::play(tesseract(), game, Variant::kMerrin, {1, 2});
  auto lineFor = [&](double value) {
    return chooseComputerMove(tesseract(), game.position, Variant::kMerrin, {},
                              [value] { return value; })
        .line;
  };
  EXPECT_EQ(lineFor(0.0), 5);
  EXPECT_EQ(lineFor(1.0), 32) << "a value of 1 stays in range";
  EXPECT_EQ(pickCandidate(54, 0.0), 1);
  EXPECT_EQ(pickCandidate(54, 1.0 - 1e-9), 54);
}

}  // namespace
}  // namespace dorvan::rules
