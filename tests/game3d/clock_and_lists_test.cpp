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

TEST(ScoreLists, EachRoundAddsItsLineASubtotalAndASeparator) {
  CumulativeScores record;
  EXPECT_EQ(record.entries(), std::vector<std::string>{""});
  record.addRound(20, 16);
  EXPECT_EQ(record.entries(), (std::vector<std::string>{"", "Round 1 -Blue\t\t20\t\t16",
                                                        "  Subtotal -Blue\t\t20\t\t16", " "}));
  record.addRound(10, 26);
  EXPECT_EQ(record.entries()[4], "Round 2 -Red\t\t10\t\t26");
  EXPECT_EQ(record.entries()[5], "  Subtotal -Red\t\t30\t\t42");
  EXPECT_EQ(record.blueTotal(), 30);
  EXPECT_EQ(record.redTotal(), 42);
  record.addRound(18, 6);
  EXPECT_EQ(record.entries()[8], "  Subtotal -Tie\t\t48\t\t48");
  EXPECT_EQ(record.nextRound(), 4);
}

}  // namespace
}  // namespace dorvan::game3d
