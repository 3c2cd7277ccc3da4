#include "search/playouts.h"

#include <bit>
#include <cstdint>

#include "search/value.h"

namespace dorvan::search {
namespace {

// A small generator of its own (splitmix64): the program's random source is left untouched, so
// asking for a hint never changes what the classic computer draws later.
class Stream {
 public:
  explicit Stream(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int pickBit(Lines lines) {
    int skip = static_cast<int>(next() % static_cast<std::uint64_t>(std::popcount(lines)));
    for (; skip > 0; --skip) lines &= lines - 1;
    return std::countr_zero(lines);
  }

 private:
  std::uint64_t state_;
};

// The greedy player's line: what it can take, else (own lines) what stops the other side
// taking, else a line that leaves no box one short, else any.
int greedyBit(const Board& board, Node node, Stream& stream) {
  const Lines free = board.playable & ~node.drawn;
  Lines takes = 0, blocks = 0, danger = 0;
  for (Lines box : board.boxes) {
    const Lines missing = box & ~node.drawn;
    const int short_by = std::popcount(missing);
    if (short_by == 1) {
      const Lines theirs = box & node.drawn & ~node.mine;
      if (!board.ownLines || theirs == 0)
        takes |= missing;
      else if ((box & node.mine) == 0)
        blocks |= missing;
    } else if (short_by == 2 && !board.ownLines) {
      danger |= box;
    }
  }
  if (takes != 0) return std::countr_zero(takes);
  if (blocks != 0) return std::countr_zero(blocks);
  const Lines safe = free & ~danger;
  return stream.pickBit(safe != 0 ? safe : free);
}

// Plays the line and then the greedy game to its end; the result for the side that drew it.
int playOut(const Board& board, Node node, int bit, Stream& stream) {
  int total = 0;
  int sign = 1;  // +1 while the side that drew `bit` is to move
  for (;;) {
    const int completed = completedBy(board, node, bit);
    total += sign * gainOf(completed);
    const Lines drawn = node.drawn | (Lines{1} << bit);
    if (completed > 0 && board.moveAgain) {
      node = {drawn, node.mine | (Lines{1} << bit)};
    } else {
      node = {drawn, node.drawn & ~node.mine};
      sign = -sign;
    }
    if ((board.playable & ~node.drawn) == 0) return total;
    bit = greedyBit(board, node, stream);
  }
}

}  // namespace

int bestByPlayouts(const Board& board, Node node, int playoutsPerLine) {
  int bestLine = 0;
  long bestTotal = 0;
  for (Lines free = board.playable & ~node.drawn; free != 0; free &= free - 1) {
    const int bit = std::countr_zero(free);
    Stream stream(node.drawn * 0x2545F4914F6CDD1Dull ^ node.mine ^ std::uint64_t(bit) << 58);
    long total = 0;
    for (int game = 0; game < playoutsPerLine; ++game) total += playOut(board, node, bit, stream);
    if (bestLine == 0 || total > bestTotal) {
      bestLine = bit + 1;
      bestTotal = total;
    }
  }
  return bestLine;
}

}  // namespace dorvan::search
