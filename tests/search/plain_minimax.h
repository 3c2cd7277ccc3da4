#pragma once
// The rules of a board played out by brute force: every line tried at every position, no
// pruning, no symmetries, no shortcuts, only a memo of positions already valued. The search is
// checked against this.

#include <bit>
#include <unordered_map>
#include <utility>

#include "search/board.h"
#include "search/solver.h"
#include "search/value.h"

namespace dorvan::search::testing {

class PlainMinimax {
 public:
  explicit PlainMinimax(const Board& board) : board_(board) {}

  // What the rest of the game is worth to the side to move when it draws `line` now.
  int valueOfLine(Node node, int line) {
    const Lines bit = lineBit(line);
    int completed = 0;
    for (Lines box : board_.boxes) {
      if ((box & bit) == 0 || (box & ~node.drawn) != bit) continue;
      if (board_.ownLines && (box & ~bit & ~node.mine) != 0) continue;
      ++completed;
    }
    const Lines drawn = node.drawn | bit;
    const int gain = gainOf(completed);
    if (completed > 0 && board_.moveAgain) return gain + value({drawn, 0});
    return gain - value({drawn, board_.ownLines ? node.drawn & ~node.mine : 0});
  }

  int value(Node node) {
    const Lines free = board_.playable & ~node.drawn;
    if (free == 0) return 0;
    const auto key = std::make_pair(node.drawn, node.mine);
    if (auto found = memo_.find(key); found != memo_.end()) return found->second;
    int best = -1'000'000;
    for (Lines rest = free; rest != 0; rest &= rest - 1)
      best = std::max(best, valueOfLine(node, std::countr_zero(rest) + 1));
    memo_[key] = best;
    return best;
  }

 private:
  const Board& board_;
  struct Hash {
    std::size_t operator()(const std::pair<Lines, Lines>& key) const {
      return key.first * 0x9E3779B97F4A7C15ull ^ key.second;
    }
  };
  std::unordered_map<std::pair<Lines, Lines>, int, Hash> memo_;
};

}  // namespace dorvan::search::testing
