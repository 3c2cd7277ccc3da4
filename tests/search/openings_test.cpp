// The solved openings the game ships: each position is worth its best line by the values of
// the positions after it, and the strong computer plays by them, its search at their last
// depth confirming the deepest. Their encoding survives damage.

#include <gtest/gtest.h>

#include <random>

#include "search/boards.h"
#include "search/openings.h"
#include "search/opponent.h"
#include "search/value.h"

namespace dorvan::search {
namespace {

using rules::Variant;

const SolvedOpenings& shipped(bool half) {
  const Board& board = tesseractBoard(Variant::kMerrin, half);
  EXPECT_NE(board.openings, nullptr);
  return *board.openings;
}

// The positions of one depth, a sample of `most` of them when there are more.
std::vector<Lines> positionsAt(const Openings& table, int depth, std::size_t most) {
  std::vector<Lines> found;
  for (Lines key : table.positions())
    if (std::popcount(key) == depth) found.push_back(key);
  if (found.size() > most) {
    std::shuffle(found.begin(), found.end(), std::mt19937_64(depth));
    found.resize(most);
  }
  return found;
}

// A position's worth from the shipped values of the positions one line later.
std::optional<int> bestLineWorth(const Board& board, const SolvedOpenings& openings, Lines drawn) {
  std::optional<int> best;
  for (Lines free = board.playable & ~drawn; free != 0; free &= free - 1) {
    const int bit = std::countr_zero(free);
    const std::optional<int> next = openings.valueOf(drawn | (Lines{1} << bit));
    if (!next) return std::nullopt;
    const int completed = completedBy(board, {drawn, 0}, bit);
    const int worth = worthOfLine(completed, *next);
    if (!best || worth > *best) best = worth;
  }
  return best;
}

TEST(ShippedOpenings, EachPositionIsWorthItsBestLine) {
  for (bool half : {false, true}) {
    const Board& board = tesseractBoard(Variant::kMerrin, half);
    const SolvedOpenings& openings = shipped(half);
    ASSERT_GE(openings.table.depth(), 4) << half;
    for (int depth = 0; depth < openings.table.depth(); ++depth) {
      for (Lines drawn : positionsAt(openings.table, depth, 400)) {
        EXPECT_EQ(openings.valueOf(drawn), bestLineWorth(board, openings, drawn))
            << "half " << half << " drawn " << drawn;
      }
    }
  }
}

// Along a random game from the opening to past the shipped depth, the strong computer's line
// keeps the position's exact value; at the last depth its search must find the shipped value.
TEST(ShippedOpenings, TheStrongComputerKeepsTheValue) {
  std::mt19937_64 random(11);
  for (bool half : {false, true}) {
    const Board& board = tesseractBoard(Variant::kMerrin, half);
    const SolvedOpenings& openings = shipped(half);
    Lines drawn = 0;
    for (int depth = 0; depth <= openings.table.depth(); ++depth) {
      const Choice choice = strongLine(board, {drawn, 0});
      ASSERT_TRUE(choice.exact) << "half " << half << " depth " << depth;
      EXPECT_EQ(openings.valueOf(drawn), choice.value) << "half " << half << " drawn " << drawn;
      ASSERT_NE(lineBit(choice.line) & board.playable & ~drawn, 0u);
      if (depth + 1 < openings.table.depth()) {
        const int completed = completedBy(board, {drawn, 0}, choice.line - 1);
        const int after = *openings.valueOf(drawn | lineBit(choice.line));
        EXPECT_EQ(choice.value, worthOfLine(completed, after));
      }
      // The other side's line, at random.
      std::vector<int> free;
      for (Lines rest = board.playable & ~drawn; rest != 0; rest &= rest - 1)
        free.push_back(std::countr_zero(rest));
      drawn |= Lines{1} << free[random() % free.size()];
    }
  }
}

TEST(Openings, TheEncodingReadsBackAndRefusesDamage) {
  const Openings table(3, {{0b1011, -517}, {0, 12}, {0b1, 0}, {0b110, 300}});
  const std::vector<unsigned char> bytes = table.encode();
  const Openings read = Openings::decode(bytes);
  EXPECT_EQ(read.depth(), 3);
  EXPECT_EQ(read.positions(), table.positions());
  for (Lines key : table.positions()) EXPECT_EQ(read.valueOf(key), table.valueOf(key));
  EXPECT_EQ(read.valueOf(0b111), std::nullopt);

  EXPECT_EQ(Openings::decode({}).depth(), -1);
  for (std::size_t cut = 0; cut < bytes.size(); ++cut)
    EXPECT_EQ(Openings::decode(std::span(bytes).first(cut)).depth(), -1) << cut;
  // A byte changed at `at`, or one added at the end.
  auto changed = [&](std::size_t at, unsigned char to) {
    std::vector<unsigned char> copy = bytes;
    if (at == copy.size())
      copy.push_back(to);
    else
      copy[at] = to;
    return Openings::decode(copy);
  };
  EXPECT_EQ(changed(bytes.size(), 0).depth(), -1);
  EXPECT_EQ(changed(0, 'd').depth(), -1);  // another tag
  // A table of one position whose value is written in `value`: 16 bits at most.
  auto withValue = [&](std::initializer_list<unsigned char> value) {
    std::vector<unsigned char> made(bytes.begin(), bytes.begin() + 12);  // the tag
    made.insert(made.end(), {2, 1, 1});  // depth 1, one position, one value
    made.insert(made.end(), value);
    made.insert(made.end(), {0, 0});  // the position: key 0, the first value
    return Openings::decode(made);
  };
  EXPECT_EQ(withValue({0x03}).valueOf(0), -2);
  EXPECT_EQ(withValue({0xFF, 0xFF, 0xFF, 0xFF, 0x0F}).depth(), -1);
  // Any byte changed reads as no table or as one, never as a crash or a huge allocation.
  for (std::size_t at = 0; at < bytes.size(); ++at)
    for (unsigned char to : {0x00, 0x7F, 0x80, 0xFF}) EXPECT_LE(changed(at, to).size(), 4u);
}

}  // namespace
}  // namespace dorvan::search
