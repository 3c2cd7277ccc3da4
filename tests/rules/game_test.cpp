#include "rules/game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "boards.h"
#include "game3d/board.h"
#include "game4d/board.h"
#include "rules/texts.h"

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

TEST(Scoring, OneLineCompletesUpToFourBoxesForItsMoverWhoMovesAgain) {
  Game game;  // Blue opens
  drawAllBut(lattice(), game, Variant::kMerrin, {17, 18, 29, 30}, 41);
  game.redtomove = 0;
  MoveScore score = play(lattice(), game, Variant::kMerrin, {41});
  EXPECT_EQ(boxesOf(score), (std::vector<int>{17, 18, 29, 30}));
  EXPECT_EQ(score.points, 10000);
  EXPECT_EQ(score.next, kBlue);
  EXPECT_EQ(score.status, " Quadruple score!   Killer move!");
  EXPECT_EQ(game.blue.score, 4);
  EXPECT_TRUE(game.position.claimed(17) && game.position.claimed(30));

  // On the tesseract line 1 closes squares 1, 5 and 16 together.
  Game tess;
  play(tesseract(), tess, Variant::kMerrin, {26, 29, 28, 2, 3, 4, 6, 31});
  score = play(tesseract(), tess, Variant::kMerrin, {32, 1});
  EXPECT_EQ(boxesOf(score), (std::vector<int>{1, 5, 16}));
  EXPECT_EQ(score.status, "  Triple score!      Awesome!");
  EXPECT_EQ(tess.tally(tess.mover).points, 7000);
  // A box is scored once: another of its lines later completes nothing.
  EXPECT_EQ(play(tesseract(), tess, Variant::kMerrin, {5}).completed.count, 0);
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

TEST(Scoring, DuomarCountsOnlyTheMoversLinesAndPassesTheTurnAfterAScore) {
  Game mixed;  // square 5 of the tesseract drawn by both sides never completes
  EXPECT_EQ(play(tesseract(), mixed, Variant::kDuomar, {1, 2, 3, 4}).completed.count, 0);
  EXPECT_FALSE(mixed.position.claimed(5));

  Game own;  // Blue draws all of square 5 while Red plays elsewhere
  play(tesseract(), own, Variant::kDuomar, {1, 10, 2, 14, 3, 18});
  const MoveScore score = play(tesseract(), own, Variant::kDuomar, {4});
  EXPECT_EQ(boxesOf(score), std::vector<int>{5});
  EXPECT_EQ(score.status, " Score!      Red's turn now.");
  EXPECT_EQ(own.blue.score, 1);
  EXPECT_EQ(own.redtomove, 1);
}

TEST(Scoring, AMoveProcedureWithNoLineScoresNothingAndNamesTheSideToMove) {
  for (Variant variant : {Variant::kMerrin, Variant::kDuomar, Variant::kDorvan}) {
    Game game;
    game.variant = variant;
    ASSERT_TRUE(newGame(game));  // Red opens the second game
    EXPECT_EQ(game.variant, variant);
    const MoveScore score = scoreMove(lattice(), game);
    EXPECT_EQ(score.completed.count, 0);
    EXPECT_EQ(score.status, "No score    Red's turn.");
    EXPECT_EQ(game.redtomove, 1);
  }
}

TEST(TurnFlow, NewGamesAlternateTheOpenerAndClearEverythingButTheLastMover) {
  Game game;
  play(tesseract(), game, Variant::kMerrin, {1, 2, 3, 4});
  EXPECT_TRUE(newGame(game));
  EXPECT_EQ(game.bluestarts, 0);
  EXPECT_EQ(freeLines(tesseract(), game.position), 32);
  EXPECT_EQ(game.red.score + game.red.points, 0);
  EXPECT_FALSE(game.position.claimed(5));
  EXPECT_EQ(game.mover, kRed);
  EXPECT_FALSE(newGame(game));
  EXPECT_EQ(game.bluestarts, 1);
  EXPECT_EQ(game.redtomove, 0);
}

TEST(TurnFlow, WholeGamesEndWithEveryBoxCreditedOnce) {
  for (const Board* board : {&lattice(), &tesseract()}) {
    for (Variant variant : {Variant::kMerrin, Variant::kDuomar, Variant::kDorvan}) {
      Game game;
      for (int line = 1; line <= board->lineCount; ++line) {
        EXPECT_FALSE(gameOver(*board, game, 0));
        play(*board, game, variant, {line});
      }
      EXPECT_TRUE(gameOver(*board, game, 0));
      const int boxes = game.red.score + game.blue.score;
      if (variant == Variant::kDuomar) {
        EXPECT_LT(boxes, board->squares.count);
      } else {
        EXPECT_EQ(boxes, board->boxes(variant).count);
      }
      EXPECT_GE(game.red.points + game.blue.points, 1000 * boxes);
    }
  }
}

TEST(TurnFlow, TheHalfLevelEndsWithExactlyItsFourClosedLinesFree) {
  Game game;
  for (int line = 1; line <= 32; ++line) {
    if (game4d::closedAtHalfLevel(line)) continue;
    EXPECT_FALSE(gameOver(tesseract(), game, game4d::kHalfLevelClosedLines));
    play(tesseract(), game, Variant::kMerrin, {line});
  }
  EXPECT_EQ(freeLines(tesseract(), game.position), 4);
  EXPECT_TRUE(gameOver(tesseract(), game, game4d::kHalfLevelClosedLines));
  EXPECT_FALSE(gameOver(tesseract(), game, 0));
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

TEST(Verdicts, PointsAndScoresAreJudgedApart) {
  EXPECT_EQ(texts::scoreResult(20, 16), "Blue wins by score.");
  EXPECT_EQ(texts::pointsResult(4000, 5000), "Red wins by points.");
  EXPECT_EQ(texts::pointsResult(3000, 3000), "By points its a tie");
}

}  // namespace
}  // namespace dorvan::rules
