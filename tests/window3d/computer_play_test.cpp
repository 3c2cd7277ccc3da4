// The 3D window against the computer: its replies as the person sees them while it pauses, its
// takes, and its fallback over whole games.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "game3d/board.h"
#include "rules/position.h"
#include "window3d/window_texts.h"
#include "window_fixture.h"

namespace dorvan::window3d {
namespace {

class AgainstTheComputer : public PlayingTheWindow {
 protected:
  int linesOf(int side) {
    int count = 0;
    for (int line = 1; line <= game3d::kLineCount; ++line) count += owner(line) == side;
    return count;
  }
  int firstFreeLine() {
    for (int line = 1; line <= game3d::kLineCount; ++line)
      if (owner(line) == 0) return line;
    return 0;
  }
  // Boxes of the variant that lack exactly one line, worked out from the lines drawn.
  int boxesOneShort(rules::Variant variant) {
    rules::Position position;
    for (int line = 1; line <= game3d::kLineCount; ++line)
      position.draw(line, static_cast<rules::Side>(owner(line)), rules::marksOf(variant));
    const rules::BoxTable& boxes = game3d::kBoard.boxes(variant);
    const rules::SideCounts sides =
        rules::countSides(game3d::kBoard, position, variant, rules::kRed);
    return static_cast<int>(
        std::count(sides.begin() + 1, sides.begin() + 1 + boxes.count, boxes.sides - 1));
  }
};

class WholeGames : public AgainstTheComputer,
                   public ::testing::WithParamInterface<rules::Variant> {};

TEST_F(AgainstTheComputer, ReplyIsShownGreenForASecondThenDrawnRed) {
  play({1});
  ASSERT_EQ(platform_.pauses.size(), 2u);
  for (const auto& pause : platform_.pauses) {
    EXPECT_EQ(pause.kind, platform::PauseKind::NoInput);
    EXPECT_DOUBLE_EQ(pause.seconds, 1.0);
  }
  EXPECT_TRUE(platform_.pauses[0].greenLines.empty()) << "the computer thinks first";
  ASSERT_EQ(platform_.pauses[1].greenLines.size(), 1u);
  const int reply = platform_.pauses[1].greenLines[0];
  EXPECT_EQ(owner(reply), rules::kRed);
  EXPECT_EQ(window_->at("LN", reply).color, rules::kRedLineColour);
  EXPECT_EQ(window_->at("bN", reply).color, rules::kRedLineColour);
}

TEST_F(AgainstTheComputer, TakesBoxesLowestFirstAsRedThenDrawsASafeLine) {
  // Squares 1 and 5 are left one line short (12 and 24) by two people; then the computer plays.
  click("ip", 1);
  play({1, 11, 3, 13, 23, 15});
  window_->ip_Click(0);
  play({54});
  EXPECT_EQ(owner(12), rules::kRed);
  EXPECT_EQ(owner(24), rules::kRed);
  ASSERT_GE(platform_.pauses.size(), 6u);
  EXPECT_EQ(platform_.pauses[0].greenLines, std::vector<int>{12});
  EXPECT_EQ(platform_.pauses[1].greenLines, (std::vector<int>{1, 3, 11, 12}));
  EXPECT_EQ(platform_.pauses[2].greenLines, std::vector<int>{24});
  EXPECT_EQ(platform_.pauses[3].greenLines, (std::vector<int>{13, 15, 23, 24}));
  EXPECT_EQ(caption("Label30"), "2000") << "the computer's boxes earn Red's points";
  EXPECT_EQ(boxesOneShort(rules::Variant::kMerrin), 0);
  EXPECT_EQ(linesOf(rules::kRed), 6) << "three lines by hand, two takes and one safe line";
}

// A whole game in which the person always draws the first free line, with the moves left in
// sight: after every reply of the computer a box is left one line short exactly when it had no
// safe line and said so.
TEST_P(WholeGames, LeaveABoxOneShortOnlyWhenTheComputerHasToAndSaysSo) {
  const rules::Variant variant = GetParam();
  click("game", rules::variantIndex(variant));
  window_->at("Label34").visible = true;
  int fallbacks = 0;
  while (!app_.ended()) {
    const std::size_t before = platform_.messages.size();
    const int redBefore = linesOf(rules::kRed);
    playOne(firstFreeLine());
    if (app_.ended() || linesOf(rules::kRed) == redBefore) continue;
    const bool warned = std::count(platform_.messages.begin() + static_cast<long>(before),
                                   platform_.messages.end(), std::string(texts::kNoGoodMoves)) == 1;
    fallbacks += warned;
    EXPECT_EQ(boxesOneShort(variant) > 0, warned) << "with " << linesOf(0) << " lines left";
  }
  EXPECT_GT(fallbacks, 0);
}

INSTANTIATE_TEST_SUITE_P(AgainstTheComputer, WholeGames,
                         ::testing::Values(rules::Variant::kMerrin, rules::Variant::kDorvan));

}  // namespace
}  // namespace dorvan::window3d
