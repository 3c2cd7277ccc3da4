#include <gtest/gtest.h>

#include "game3d/move_clock.h"
#include "game3d/score_lists.h"

namespace dorvan::game3d {
namespace {

TEST(MoveClock, RunsOutOnTheTickAfterTheFullLimit) {
  MoveClock clock(kTimeLimit3d);
  clock.restart();
  EXPECT_FLOAT_EQ(clock.barLeft(2000.0f), 2000.0f);
  for (int tick = 1; tick <= 200; ++tick) ASSERT_FALSE(clock.tick()) << tick;
  EXPECT_EQ(clock.timeleft(), 0);
  EXPECT_FLOAT_EQ(clock.barLeft(2000.0f), 0.0f);
  EXPECT_TRUE(clock.tick());
  EXPECT_EQ(clock.timeleft(), -100);

  clock.restart();
  clock.tick();
  EXPECT_EQ(clock.timeleft(), 19900);
  EXPECT_FLOAT_EQ(clock.barLeft(2000.0f), 1990.0f);
}

TEST(ScoreLists, HighScoresShowNameThenTabbedPoints) {
  const std::vector<std::string> entries = highScoreEntries();
  ASSERT_EQ(entries.size(), 10u);
  EXPECT_EQ(entries[0], "MasterCube");
  EXPECT_EQ(entries[1], "\t\t\t\t62,000");
  EXPECT_EQ(entries[4], "Lister's curry");
  EXPECT_EQ(entries[9], "\t\t\t\t19,000");
}

TEST(ScoreLists, RoundsAndSubtotalsNameTheWinnerAndTabTheScores) {
  EXPECT_EQ(roundLine(1, 20, 16), "Round 1 -Blue\t\t20\t\t16");
  EXPECT_EQ(roundLine(2, 10, 26), "Round 2 -Red\t\t10\t\t26");
  EXPECT_EQ(subtotalLine(30, 42), "  Subtotal -Red\t\t30\t\t42");
  EXPECT_EQ(subtotalLine(48, 48), "  Subtotal -Tie\t\t48\t\t48");
  // A fresh list holds one empty entry; every round adds three.
  EXPECT_EQ(nextRound(1), 1);
  EXPECT_EQ(nextRound(4), 2);
  EXPECT_EQ(nextRound(10), 4);
}

}  // namespace
}  // namespace dorvan::game3d
