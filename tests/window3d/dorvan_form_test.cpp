// The 3D window's board data and what a player sees while lines are played: the highlight of
// completed boxes, the verdict over the play-again question, and the window's own consistency
// checks.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "game3d/lattice_tables.h"
#include "rules/texts.h"
#include "support/consistency.h"
#include "window3d/board_geometry.h"
#include "window_fixture.h"

namespace dorvan::window3d {
namespace {

TEST(BoardGeometry, InverseSegmentsFallIntoGroupsOfMoves) {
  // Moves that share an inverse segment share all of theirs, and the groups use each of the
  // segments 1..54 exactly once.
  std::set<std::array<int, 4>> groups;
  for (int move = 1; move <= game3d::kLineCount; ++move) groups.insert(kInversePaint[move]);
  std::vector<int> segments;
  for (const auto& group : groups)
    for (int element : group)
      if (element != 0) segments.push_back(element);
  std::sort(segments.begin(), segments.end());
  std::vector<int> expected(54);
  for (int i = 0; i < 54; ++i) expected[i] = i + 1;
  EXPECT_EQ(segments, expected);
}

TEST_F(PlayingTheWindow, CompletedSquareIsLitGreenWithoutInputThenRestored) {
  click("ip", 1);
  platform_.setTimeOfDay(43200.7);
  play({1, 11, 3});
  ASSERT_TRUE(platform_.pauses.empty());
  play({12});  // Red closes square 1
  ASSERT_EQ(platform_.pauses.size(), 1u);
  const WatchingPlatform::Pause& p = platform_.pauses[0];
  EXPECT_EQ(p.kind, platform::PauseKind::NoInput);
  EXPECT_NEAR(p.seconds, 0.8, 1e-6) << "until half a second past the nearest whole second";
  EXPECT_EQ(p.greenLines, (std::vector<int>{1, 3, 11, 12}));
  EXPECT_FALSE(p.panelShown);
  EXPECT_EQ(window_->at("LN", 12).color, rules::kRedLineColour);
  EXPECT_EQ(window_->at("LN", 1).color, rules::kBlueLineColour);
}

TEST_F(PlayingTheWindow, CompletedCubeIsLitForASecondMore) {
  click("ip", 1);
  click("game", 2);
  platform_.setTimeOfDay(43200.7);
  play({1, 11, 3, 12, 37, 38, 40, 41, 13, 23, 15});
  ASSERT_TRUE(platform_.pauses.empty()) << "squares do not count in this variant";
  play({24});
  ASSERT_EQ(platform_.pauses.size(), 1u);
  EXPECT_NEAR(platform_.pauses[0].seconds, 1.3, 1e-6);
  std::vector<int> cube(game3d::cubelines[1].begin() + 1, game3d::cubelines[1].end());
  std::sort(cube.begin(), cube.end());
  EXPECT_EQ(platform_.pauses[0].greenLines, cube);
}

TEST_F(PlayingTheWindow, VerdictStandsOverThePlayAgainQuestion) {
  click("ip", 1);
  for (int line = 1; line < game3d::kLineCount; ++line) play({line});
  ASSERT_TRUE(platform_.verdicts.empty());
  platform_.queueAnswer("no", false);
  play({game3d::kLineCount});
  ASSERT_TRUE(app_.ended());
  ASSERT_EQ(platform_.verdicts.size(), 1u);
  const std::string expected = std::string(rules::texts::pointsResult(
                                   std::stoi(caption("Label29")), std::stoi(caption("Label30")))) +
                               "\n" +
                               std::string(rules::texts::scoreResult(std::stoi(caption("Label5")),
                                                                     std::stoi(caption("Label6"))));
  EXPECT_EQ(platform_.verdicts[0], expected);
}

TEST_F(PlayingTheWindow, ConsistencyChecksNoticeABrokenWindow) {
  click("ip", 1);
  play({1, 11, 3, 12, 5});
  for (const std::string& problem : support::consistencyProblems(*window_))
    ADD_FAILURE() << problem;
  window_->at("Label34").caption = "54";
  window_->at("LN", 5).borderWidth = 1;
  window_->at("Label6").caption = "0";
  window_->at("aN", 7).visible = true;
  window_->at("Label35").visible = true;
  EXPECT_EQ(support::consistencyProblems(*window_).size(), 6u)
      << "moves left, a thin drawn line, its reverse twin, a score label that does not show the "
         "score, and two controls out of step with their switches";
}

}  // namespace
}  // namespace dorvan::window3d
