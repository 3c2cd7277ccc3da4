#include "rules/game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "boards.h"
#include "game3d/board.h"
#include "game4d/board.h"

namespace dorvan::rules {
namespace {

using testing::drawAllBut;
using testing::lattice;
using testing::play;
using testing::tesseract;

std::vector<int> boxesOf(const MoveScore& score) {
  return {score.completed.begin(), score.completed.end()};
}

TEST(Boards, EveryBoxIsMadeOfItsSidesAndEveryLineLiesInTheRightBoxes) {
  struct Expected {
    const Board& board;
    int lines, squares, solids, solidSides;
    std::vector<int> squaresPerLine, solidsPerLine;  // the counts a line may have
  };
  const Expected boards[] = {{lattice(), 54, 36, 8, 12, {2, 3, 4}, {1, 2, 4}},
                             {tesseract(), 32, 24, 8, 12, {3}, {3}}};
  for (const Expected& e : boards) {
    EXPECT_EQ(e.board.lineCount, e.lines);
    EXPECT_EQ(e.board.squares.count, e.squares);
    EXPECT_EQ(e.board.solids.count, e.solids);
    EXPECT_EQ(e.board.solids.sides, e.solidSides);
    for (BoxKind kind : {BoxKind::kSquares, BoxKind::kSolids}) {
      const BoxTable& boxes = e.board.boxes(kind);
      for (int box = 1; box <= boxes.count; ++box)
        EXPECT_EQ(countLines(boxes.masks[box]), boxes.sides) << box;
      for (int line = 1; line <= e.lines; ++line) {
        int in = 0;
        for (int box = 1; box <= boxes.count; ++box) in += contains(boxes.masks[box], line);
        const auto& allowed = kind == BoxKind::kSquares ? e.squaresPerLine : e.solidsPerLine;
        EXPECT_NE(std::ranges::find(allowed, in), allowed.end()) << "line " << line;
      }
    }
  }
  // A table that names a line twice in one box, or a line off the board, is refused.
  const std::array<std::array<int, 3>, 2> twice{{{}, {0, 1, 1}}};
  const std::array<std::array<int, 3>, 2> offBoard{{{}, {0, 1, 9}}};
  EXPECT_ANY_THROW(makeBoard(8, twice, 1, offBoard, 0));
  EXPECT_ANY_THROW(makeBoard(8, offBoard, 1, offBoard, 0));
}

TEST(Scoring, SolidsNeedAllTwelveLinesAndReadOnlyTheirOwnMarks) {
  // Lines recorded while squares scored live only in the squares' marks: cubes ignore them.
  Game squaresOnly;
  drawAllBut(lattice(), squaresOnly, Variant::kMerrin, {17, 18, 29, 30}, 41);
  EXPECT_EQ(play(lattice(), squaresOnly, Variant::kDorvan, {41}).completed.count, 0);

  Game cubes;
  drawAllBut(lattice(), cubes, Variant::kDorvan, {1, 2, 3}, 41);
  EXPECT_EQ(boxesOf(play(lattice(), cubes, Variant::kDorvan, {41})), (std::vector<int>{1, 2, 3}));

  Game cell;
  const BoxTable& cells = tesseract().solids;
  for (int k = 1; k < 12; ++k)
    EXPECT_EQ(play(tesseract(), cell, Variant::kDorvan, {cells.lines[1][k]}).completed.count, 0);
  EXPECT_EQ(boxesOf(play(tesseract(), cell, Variant::kDorvan, {cells.lines[1][12]})),
            std::vector<int>{1});
}

TEST(Marks, TheComputersLineGoesIntoTheTableOfItsVariantOnly) {
  Game game;
  drawComputerLine(game, 1);
  EXPECT_EQ(game.mover, kRed);
  EXPECT_EQ(game.position.owner(1), kRed);
  EXPECT_EQ(mark(tesseract(), game.position, BoxKind::kSquares, 5, 1), kRed);
  EXPECT_EQ(mark(tesseract(), game.position, BoxKind::kSolids, 1, 1), kNobody);
  play(tesseract(), game, Variant::kMerrin, {2});  // a click's line goes into both
  EXPECT_EQ(mark(tesseract(), game.position, BoxKind::kSquares, 5, 2), kBlue);
  EXPECT_EQ(mark(tesseract(), game.position, BoxKind::kSolids, 1, 2), kBlue);
  // A drawn line keeps its owner.
  game.position.draw(1, kBlue, Marks::kBoth);
  EXPECT_EQ(game.position.owner(1), kRed);
}

}  // namespace
}  // namespace dorvan::rules
