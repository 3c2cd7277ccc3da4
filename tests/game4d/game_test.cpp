#include "game4d/game.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace dorvan::game4d {
namespace {

using game3d::kBlue;
using game3d::kRed;

// Plays the lines in turn for whoever is to move; returns the score of the last one.
MoveScore play(Position& p, Variant variant, std::initializer_list<int> lines) {
  MoveScore last;
  for (int line : lines) last = playLine(p, line, variant);
  return last;
}

TEST(Scoring4d, TheFourthLineOfASquareScoresForItsMoverWhoMovesAgain) {
  Position p;  // Blue opens
  const MoveScore score = play(p, Variant::kMerrin, {1, 2, 3, 4});
  EXPECT_EQ(score.completed, 1);
  EXPECT_EQ(score.units[0], 5);
  EXPECT_EQ(score.status, " Score!      Red goes again.");
  EXPECT_EQ(score.next, kRed);
  EXPECT_EQ(p.redtomove, 1);
  EXPECT_EQ(p.redScore, 1);
  EXPECT_EQ(p.redPoints, 1000);
  EXPECT_EQ(p.blueScore + p.bluePoints, 0);
  EXPECT_EQ(p.unitdone[5], 1);
  // A unit is scored once: another line of it later completes nothing.
  EXPECT_EQ(play(p, Variant::kMerrin, {5}).completed, 0);
}

TEST(Scoring4d, OneLineCanCompleteTwoOrThreeUnits) {
  // Squares 1 (1, 26, 29, 28) and 5 (1, 2, 3, 4) share line 1; square 16 (6, 1, 31, 32) too.
  Position p;
  play(p, Variant::kMerrin, {26, 29, 28, 2, 3, 4});
  const MoveScore twice = play(p, Variant::kMerrin, {1});
  EXPECT_EQ(twice.completed, 2);
  EXPECT_EQ(twice.status, "  Double score!      Two cool!");
  EXPECT_EQ(twice.points, 4000);

  Position q;
  play(q, Variant::kMerrin, {26, 29, 28, 2, 3, 4, 6, 31, 32});
  const MoveScore thrice = play(q, Variant::kMerrin, {1});
  EXPECT_EQ(thrice.completed, 3);
  EXPECT_EQ(thrice.status, "  Triple score!      Awesome!");
  EXPECT_EQ(thrice.points, 7000);
}

TEST(Scoring4d, DuomarCountsOnlyTheMoversOwnLinesAndPassesTheTurnAfterAScore) {
  Position mixed;  // square 5 drawn by both sides never completes
  EXPECT_EQ(play(mixed, Variant::kDuomar, {1, 2, 3, 4}).completed, 0);
  EXPECT_EQ(mixed.unitdone[5], 0);

  Position own;  // Blue draws 1, 2, 3, 4 of square 5 while Red plays elsewhere
  play(own, Variant::kDuomar, {1, 10, 2, 14, 3, 18});
  const MoveScore score = play(own, Variant::kDuomar, {4});
  EXPECT_EQ(score.completed, 1);
  EXPECT_EQ(score.status, " Score!      Red's turn now.");
  EXPECT_EQ(own.blueScore, 1);
  EXPECT_EQ(own.redtomove, 1);
}

TEST(Scoring4d, DorvanScoresOnlyTheTwelfthLineOfACell) {
  Position p;
  EXPECT_EQ(play(p, Variant::kDorvan, {1, 2, 3, 4}).completed, 0);  // square 5 is no cell
  for (int k = 5; k <= 11; ++k)
    EXPECT_EQ(play(p, Variant::kDorvan, {celllines[1][k]}).completed, 0);
  const MoveScore score = play(p, Variant::kDorvan, {celllines[1][12]});
  EXPECT_EQ(score.completed, 1);
  EXPECT_EQ(score.units[0], 1);
  EXPECT_EQ(p.unitdone[1], 1);
}

TEST(Scoring4d, AMoveProcedureWithNoLineDrawnScoresNothingInAnyVariant) {
  for (Variant variant : {Variant::kMerrin, Variant::kDuomar, Variant::kDorvan}) {
    Position p;
    ASSERT_TRUE(newGame(p));  // Red opens the second game
    const MoveScore score = scoreMove(p, variant);
    EXPECT_EQ(score.completed, 0);
    EXPECT_EQ(score.status, "No score    Red's turn.");
    EXPECT_EQ(p.redtomove, 1);
  }
}

TEST(TurnFlow4d, NewGamesAlternateTheOpenerAndClearTheGame) {
  Position p;
  play(p, Variant::kMerrin, {1, 2, 3, 4});
  EXPECT_TRUE(newGame(p));
  EXPECT_EQ(p.bluestarts, 0);
  EXPECT_EQ(freeLines(p), kLineCount);
  EXPECT_EQ(p.redScore + p.redPoints + p.mover, 0);
  EXPECT_FALSE(newGame(p));
  EXPECT_EQ(p.bluestarts, 1);
  EXPECT_EQ(p.redtomove, 0);
}

TEST(TurnFlow4d, WholeGamesEndWithEveryUnitCreditedOnce) {
  for (Variant variant : {Variant::kMerrin, Variant::kDuomar, Variant::kDorvan}) {
    Position p;
    for (int line = 1; line <= kLineCount; ++line) {
      EXPECT_FALSE(gameOver(p, false));
      playLine(p, line, variant);
    }
    EXPECT_TRUE(gameOver(p, false));
    const int units = p.redScore + p.blueScore;
    if (variant == Variant::kDuomar) {
      EXPECT_LT(units, kSquareCount);
    } else {
      EXPECT_EQ(units, unitCount(variant));
    }
    EXPECT_GE(p.redPoints + p.bluePoints, 1000 * units);
  }
}

TEST(TurnFlow4d, TheHalfLevelEndsWithExactlyItsFourClosedLinesFree) {
  Position p;
  for (int line = 1; line <= kLineCount; ++line) {
    if (closedAtHalfLevel(line)) continue;
    EXPECT_FALSE(gameOver(p, true));
    playLine(p, line, Variant::kMerrin);
  }
  EXPECT_EQ(freeLines(p), 4);
  EXPECT_TRUE(gameOver(p, true));
  EXPECT_FALSE(gameOver(p, false));
}

TEST(Marks4d, TheComputersLineGoesIntoTheTableOfItsVariantOnly) {
  Position p;
  drawComputerLine(p, 1, Variant::kMerrin);
  EXPECT_EQ(p.mover, kRed);
  EXPECT_EQ(p.lineowner[1], kRed);
  EXPECT_EQ(p.sqmarks[5][1], kRed);
  EXPECT_EQ(p.cellmarks[1][1], 0);
  playLine(p, 2, Variant::kMerrin);  // the player's line goes into both
  EXPECT_EQ(p.sqmarks[5][2], kBlue);
  EXPECT_EQ(p.cellmarks[1][2], kBlue);
}

}  // namespace
}  // namespace dorvan::game4d
