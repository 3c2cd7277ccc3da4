// The 3D window against the computer: its replies as the person sees them, its takes and its
// fallback over whole games, and typed moves, however mistyped.

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
  long count(const std::string& text) {
    return std::count(platform_.messages.begin(), platform_.messages.end(), text);
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
  EXPECT_EQ(caption("Text2"), game3d::moveName(reply));
  EXPECT_EQ(caption("Label8"), game3d::startPoint(reply));
  EXPECT_EQ(caption("Label10"), game3d::endPoint(reply));
  EXPECT_EQ(window_->at("List1").items.size(), 1u) << "the computer's lines are not listed";
  EXPECT_EQ(caption("Label33"), "No score    Blue's turn.");
  EXPECT_EQ(window_->at("Label33").forecolor, rules::kBlueStatusColour);
  EXPECT_TRUE(window_->at("Label4").visible);
  EXPECT_FALSE(window_->at("Label3").visible);
  EXPECT_EQ(caption("Label34"), "52");
  EXPECT_EQ(scalar("redtomove"), 0);
  EXPECT_EQ(scalar("mover"), rules::kRed);
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
  EXPECT_EQ(caption("Label6"), "2");
  EXPECT_EQ(caption("Label30"), "2000") << "the computer's boxes earn Red's points";
  EXPECT_EQ(caption("Label29"), "0");
  EXPECT_EQ(caption("Label33"), "No score    Blue's turn.");
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

TEST_F(AgainstTheComputer, NoWarningWhileMovesLeftAreHidden) {
  while (!app_.ended()) playOne(firstFreeLine());
  EXPECT_EQ(count(std::string(texts::kNoGoodMoves)), 0);
  EXPECT_EQ(std::stoi(caption("Label5")) + std::stoi(caption("Label6")), game3d::kSquareCount);
}

class ExchangingMoves : public PlayingTheWindow {
 protected:
  ExchangingMoves() { click("ip", 1); }
  void enter(const std::string& text) {
    window_->at("Text1").caption = text;
    click("Command6");
  }
};

TEST_F(ExchangingMoves, OnlyAnExactFreeMoveNameIsPlayed) {
  EXPECT_TRUE(window_->at("Command6").isDefault) << "Enter enters the typed move";
  play({5});
  const auto board = window_->table("lineowner")->rows;
  for (const std::string& text : std::vector<std::string>{
           "FL3ML3", " fl3ml3", "fl3ml3 ", "ml3fl3", "", "fl3ml", std::string("fl3ml3\0", 7),
           std::string(100000, 'f'), std::string("\xff\xfe\n\t")}) {
    enter(text);
    EXPECT_EQ(window_->table("lineowner")->rows, board) << text.size();
  }
  EXPECT_TRUE(platform_.messages.empty());
  enter(std::string(game3d::moveName(5)));
  EXPECT_EQ(platform_.messages, std::vector<std::string>{std::string(texts::kInvalidMove)});
  EXPECT_EQ(caption("Text1"), "");
  EXPECT_EQ(scalar("redtomove"), 1);
  enter("br2br1");
  EXPECT_EQ(owner(54), rules::kRed);
  EXPECT_EQ(caption("Text1"), "");
  EXPECT_EQ(window_->at("List1").items.back(), "2   B-R-2 to B-R-1  --Red--");
  EXPECT_EQ(caption("Text2"), game3d::moveName(5)) << "a typed move is not shown or sent back";
}

}  // namespace
}  // namespace dorvan::window3d
