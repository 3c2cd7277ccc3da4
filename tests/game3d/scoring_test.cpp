#include <gtest/gtest.h>

#include "board.h"
#include "game3d/scoring.h"
#include "game3d/texts.h"
#include "game3d/turn_flow.h"

namespace dorvan::game3d {
namespace {

using testing::draw;
using testing::drawAllBut;

// Blue draws `line`, as a click does it with Blue to move.
MoveScore blueDraws(Position& position, Variant variant, int line) {
  const TurnChange turn = passTurn(0);
  drawLine(position, variant, line, turn.mover);
  return scoreMove(position, variant, turn.mover, turn.redtomove);
}

TEST(Scoring3d, CentralLineCompletesFourSquaresAtOnce) {
  Position position;
  drawAllBut(position, Variant::kMerrin, {17, 18, 29, 30}, 41);
  const MoveScore score = blueDraws(position, Variant::kMerrin, 41);
  EXPECT_EQ(score.completed, 4);
  EXPECT_EQ(score.boxes, (std::vector<int>{17, 18, 29, 30}));
  EXPECT_EQ(score.points, 10000);
  EXPECT_EQ(score.scorer, kBlue);
  EXPECT_EQ(score.redtomove, 0) << "Blue moves again";
  EXPECT_EQ(score.status, " Quadruple score!   Killer move!");
  EXPECT_FALSE(score.statusColour.has_value());
}

TEST(Scoring3d, CubesNeedAllTwelveEdgesAndSquareMarksDoNotCount) {
  Position position;
  // Lines drawn while squares were scored live only in `sqmarks`, so cubes ignore them.
  drawAllBut(position, Variant::kMerrin, {17, 18, 29, 30}, 41);
  EXPECT_EQ(blueDraws(position, Variant::kDorvan, 41).completed, 0);

  Position cubes;
  drawAllBut(cubes, Variant::kDorvan, {1, 2, 3}, 41);
  EXPECT_EQ(cubes.sqmarks, Position{}.sqmarks);
  const MoveScore score = blueDraws(cubes, Variant::kDorvan, 41);
  EXPECT_EQ(score.boxes, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(score.points, 7000);
  EXPECT_EQ(score.status, "  Triple score!      Awesome!");
}

TEST(Scoring3d, DuomarCountsOnlyTheMoversOwnSides) {
  Position mixed;
  draw(mixed, Variant::kDuomar, {1, 11, 3}, kRed);
  EXPECT_EQ(blueDraws(mixed, Variant::kDuomar, 12).completed, 0);
  EXPECT_EQ(scoreMove(mixed, Variant::kDuomar, kRed, 1).completed, 0)
      << "a full square of both sides never scores";

  Position own;
  draw(own, Variant::kDuomar, {1, 11, 3, 12}, kRed);  // Red's fourth side: Blue moves next
  const MoveScore score = scoreMove(own, Variant::kDuomar, kRed, 0);
  EXPECT_EQ(score.completed, 1);
  EXPECT_EQ(score.scorer, kRed);
  EXPECT_EQ(score.redtomove, 0) << "no extra move in Duomar";
  EXPECT_EQ(score.status, " Score!      Blue's turn now.");
  EXPECT_EQ(score.statusColour, kBlueStatusColour);
}

TEST(Scoring3d, ClaimedBoxesDoNotScoreAgainAndEmptyMovesNameWhoIsNext) {
  Position position;
  drawAllBut(position, Variant::kMerrin, {1, 33}, 1);
  MoveScore score = blueDraws(position, Variant::kMerrin, 1);
  EXPECT_EQ(score.status, "  Double score!      Two cool!");
  for (int box : score.boxes) position.claimed[box] = 1;

  score = scoreMove(position, Variant::kMerrin, kRed, 1);
  EXPECT_EQ(score.completed, 0);
  EXPECT_EQ(score.status, "No score    Red's turn.");
  EXPECT_EQ(score.statusColour, kRedStatusColour);
}

// The computer's take leaves `mover` as the person's line set it: the box goes to Red, the
// points and the name in the status line to `mover`.
TEST(Scoring3d, ComputersTakeCreditsBoxToRedAndPointsToMover) {
  Position position;
  draw(position, Variant::kMerrin, {1, 11, 3}, kBlue);
  drawLine(position, Variant::kMerrin, 12, kRed);
  const MoveScore score = scoreMove(position, Variant::kMerrin, kBlue, 0);
  EXPECT_EQ(score.scorer, kRed);
  EXPECT_EQ(score.points, 1000);
  EXPECT_EQ(score.redtomove, 1);
  EXPECT_EQ(score.status, " Score!      Blue goes again.");
  EXPECT_EQ(texts::scoreResult(20, 16), "Blue wins by score.");
  EXPECT_EQ(texts::pointsResult(4000, 5000), "Red wins by points.");
}

}  // namespace
}  // namespace dorvan::game3d
