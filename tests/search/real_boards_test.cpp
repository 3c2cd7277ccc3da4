// The search on the cube and the tesseract: their symmetries, and its values against plain
// minimax on random late positions of every variant.

#include <gtest/gtest.h>

#include <random>

#include "plain_minimax.h"
#include "search/boards.h"
#include "search/opponent.h"
#include "search/solver.h"

namespace dorvan::search {
namespace {

using rules::Variant;

struct Case {
  const char* name;
  const Board& board;
  int freeLines;  // how late the positions are
};

std::vector<Case> cases() {
  return {
      {"cube Merrin", cubeBoard(Variant::kMerrin), 13},
      {"cube Dorvan", cubeBoard(Variant::kDorvan), 13},
      {"cube Duomar", cubeBoard(Variant::kDuomar), 9},
      {"tesseract Merrin", tesseractBoard(Variant::kMerrin, false), 13},
      {"tesseract Dorvan", tesseractBoard(Variant::kDorvan, false), 13},
      {"tesseract Duomar", tesseractBoard(Variant::kDuomar, false), 9},
      {"tesseract half Merrin", tesseractBoard(Variant::kMerrin, true), 13},
      {"tesseract half Dorvan", tesseractBoard(Variant::kDorvan, true), 13},
  };
}

// A random position with `freeLines` playable lines left, its lines shared at random between
// the side to move and the other side.
Node randomPosition(const Board& board, int freeLines, std::mt19937_64& random) {
  std::vector<int> bits;
  for (Lines rest = board.playable; rest != 0; rest &= rest - 1)
    bits.push_back(std::countr_zero(rest));
  std::shuffle(bits.begin(), bits.end(), random);
  Node node;
  for (std::size_t k = 0; k + freeLines < bits.size(); ++k) {
    node.drawn |= Lines{1} << bits[k];
    if (board.ownLines && random() % 2 == 0) node.mine |= Lines{1} << bits[k];
  }
  return node;
}

TEST(RealBoards, SymmetriesAreThoseOfTheSolids) {
  EXPECT_EQ(tesseractBoard(Variant::kMerrin, false).symmetries.size(), 384u);
  EXPECT_EQ(tesseractBoard(Variant::kDorvan, false).symmetries.size(), 384u);
  EXPECT_EQ(cubeBoard(Variant::kMerrin).symmetries.size(), 48u);
  EXPECT_EQ(cubeBoard(Variant::kDorvan).symmetries.size(), 48u);
  // The half level keeps the symmetries that leave the corner of its four closed lines in place.
  EXPECT_EQ(tesseractBoard(Variant::kMerrin, true).symmetries.size(), 24u);
}

TEST(RealBoards, TheSearchAgreesWithPlainMinimax) {
  std::mt19937_64 random(2004);
  Solver solver(16);
  for (const Case& c : cases()) {
    testing::PlainMinimax minimax(c.board);
    for (int trial = 0; trial < 8; ++trial) {
      const Node node = randomPosition(c.board, c.freeLines, random);
      const Verdict verdict = solver.solve(c.board, node, 100'000'000);
      ASSERT_TRUE(verdict.exact) << c.name;
      const int expected = minimax.value(node);
      EXPECT_EQ(verdict.value, expected) << c.name << " drawn " << node.drawn;
      ASSERT_TRUE((c.board.playable & ~node.drawn & lineBit(verdict.line)) != 0) << c.name;
      EXPECT_EQ(minimax.valueOfLine(node, verdict.line), expected) << c.name;
    }
  }
}

TEST(RealBoards, TheStrongLineIsAFreeLineAndAlwaysTheSame) {
  std::mt19937_64 random(11);
  for (const Case& c : cases()) {
    // A small budget, so that both the exact search and the playouts answer.
    Board board = c.board;
    board.plan = {c.freeLines, 20'000, 4};
    for (int freeLines : {1, c.freeLines, board.lineCount / 2, std::popcount(board.playable)}) {
      const Node node = randomPosition(board, freeLines, random);
      const Choice first = strongLine(board, node);
      EXPECT_TRUE((board.playable & ~node.drawn & lineBit(first.line)) != 0) << c.name;
      EXPECT_EQ(strongLine(board, node).line, first.line) << c.name;
    }
    EXPECT_EQ(strongLine(board, {board.playable, 0}).line, 0) << c.name;
  }
}

}  // namespace
}  // namespace dorvan::search
