#include <gtest/gtest.h>

#include "rules/move_clock.h"
#include "rules/score_lists.h"

namespace dorvan::rules {
namespace {

TEST(MoveClock, RunsOutOnTheTickAfterTheFullLimit) {
  MoveClock clock(20000);
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

TEST(ScoreLists, EachRoundAddsItsLineASubtotalAndASeparator) {
  // A fresh record holds one empty entry; the round numbers count from it.
  std::vector<std::string> record(1);
  Totals totals;
  addRound(record, totals, 20, 16);
  addRound(record, totals, 10, 26);
  addRound(record, totals, 18, 6);
  EXPECT_EQ(record, (std::vector<std::string>{
                        "", "Round 1 -Blue\t\t20\t\t16", "  Subtotal -Blue\t\t20\t\t16", " ",
                        "Round 2 -Red\t\t10\t\t26", "  Subtotal -Red\t\t30\t\t42", " ",
                        "Round 3 -Blue\t\t18\t\t6", "  Subtotal -Tie\t\t48\t\t48", " "}));
  EXPECT_EQ(totals.blue, 48);
  EXPECT_EQ(totals.red, 48);
}

}  // namespace
}  // namespace dorvan::rules
