// The search on positions small enough to value by hand: chains of boxes in a strip, the
// move-again rule, a sacrifice that wins, and the own-lines rule.

#include <gtest/gtest.h>

#include "plain_minimax.h"
#include "search/opponent.h"
#include "search/solver.h"
#include "search/value.h"

namespace dorvan::search {
namespace {

// Strips of boxes in a row, as on paper. Strip s of n boxes uses lines from `first`: the tops,
// then the bottoms, then the n + 1 uprights from left to right.
struct Strip {
  int first;
  int boxes;
  int top(int k) const { return first + k; }
  int bottom(int k) const { return first + boxes + k; }
  int upright(int k) const { return first + 2 * boxes + k; }
  int lineCount() const { return 3 * boxes + 1; }
};

Board stripsBoard(std::initializer_list<int> lengths, bool ownLines = false) {
  Board board;
  int first = 1;
  std::vector<Strip> strips;
  for (int length : lengths) {
    Strip strip{first, length};
    for (int k = 0; k < length; ++k) {
      board.boxes.push_back(lineBit(strip.top(k)) | lineBit(strip.bottom(k)) |
                            lineBit(strip.upright(k)) | lineBit(strip.upright(k + 1)));
    }
    first += strip.lineCount();
  }
  board.lineCount = first - 1;
  board.playable = (Lines{1} << board.lineCount) - 1;
  board.moveAgain = !ownLines;
  board.ownLines = ownLines;
  finish(board, false);
  return board;
}

// Every top and bottom drawn: each strip is a chain whose boxes wait for their uprights.
Lines chainsOnly(std::initializer_list<int> lengths) {
  Lines drawn = 0;
  int first = 1;
  for (int length : lengths) {
    Strip strip{first, length};
    for (int k = 0; k < length; ++k) drawn |= lineBit(strip.top(k)) | lineBit(strip.bottom(k));
    first += strip.lineCount();
  }
  return drawn;
}

int valueOf(const Board& board, Node node) {
  Solver solver(12);
  const Verdict verdict = solver.solve(board, node, 10'000'000);
  EXPECT_TRUE(verdict.exact);
  EXPECT_EQ(verdict.value, testing::PlainMinimax(board).value(node));
  return verdict.value;
}

TEST(SmallBoards, WhoeverOpensALongChainGivesItAllAway) {
  const Board board = stripsBoard({5});
  const int value = valueOf(board, {chainsOnly({5}), 0});
  EXPECT_EQ(boxMargin(value), -5);
}

TEST(SmallBoards, ATakenBoxGivesTheMoveAgain) {
  // One box one line short beside a chain of three: the taker must then open the chain.
  const Board board = stripsBoard({1, 3});
  const Lines drawn = chainsOnly({1, 3}) | lineBit(Strip{1, 1}.upright(0));
  EXPECT_EQ(boxMargin(valueOf(board, {drawn, 0})), 1 - 3);
}

TEST(SmallBoards, DecliningTheLastTwoBoxesKeepsControl) {
  // Two chains of three: the side that must open one loses 2 to 4, because the other side
  // takes one box, hands back the last two with one line and so makes it open the second.
  const Board board = stripsBoard({3, 3});
  EXPECT_EQ(boxMargin(valueOf(board, {chainsOnly({3, 3}), 0})), -2);
}

TEST(SmallBoards, TheSearchPlaysTheSacrificeThatWins) {
  // A chain of two beside a chain of four, opened by the other side at the end of the two:
  // taking both boxes would leave the four to be opened; handing them back with the far
  // upright wins 4 to 2.
  const Board board = stripsBoard({2, 4});
  const Strip two{1, 2};
  const Lines drawn = chainsOnly({2, 4}) | lineBit(two.upright(0));
  Solver solver(12);
  const Verdict verdict = solver.solve(board, {drawn, 0}, 10'000'000);
  ASSERT_TRUE(verdict.exact);
  EXPECT_EQ(boxMargin(verdict.value), 4 - 2);
  EXPECT_EQ(verdict.line, two.upright(2));
  EXPECT_EQ(strongLine(board, {drawn, 0}).line, two.upright(2));
}

TEST(SmallBoards, OwnLinesCountOnlyForTheSideThatDrewThemAll) {
  const Board board = stripsBoard({1}, true);
  const Lines threeLines = lineBit(1) | lineBit(2) | lineBit(3);
  EXPECT_EQ(boxMargin(valueOf(board, {threeLines, threeLines})), 1);  // all three mine
  EXPECT_EQ(boxMargin(valueOf(board, {threeLines, lineBit(1)})), 0);  // shared: nobody's
  EXPECT_EQ(boxMargin(valueOf(board, {threeLines, 0})), 0);  // theirs: drawing it blocks them
  // Two boxes, each with three of the other side's lines: one can be blocked, one is lost.
  const Board two = stripsBoard({1, 1}, true);
  const Lines theirs = threeLines | lineBit(5) | lineBit(6) | lineBit(7);
  EXPECT_EQ(boxMargin(valueOf(two, {theirs, 0})), -1);
}

TEST(SmallBoards, AnExhaustedBudgetGivesNoAnswer) {
  const Board board = stripsBoard({3, 3});
  Solver solver(12);
  const Verdict verdict = solver.solve(board, {}, 50);
  EXPECT_FALSE(verdict.exact);
  EXPECT_EQ(verdict.line, 0);
}

}  // namespace
}  // namespace dorvan::search
