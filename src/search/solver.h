#pragma once
// The exact search: negamax with alpha-beta over the drawn lines, a transposition table shared
// by the symmetric images of a position, and moves ordered takes first, then lines that give
// nothing away, then sacrifices. It stops when its node budget is spent, so the same position
// always costs the same work and gets the same answer.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "search/board.h"

namespace dorvan::search {

struct Verdict {
  int line = 0;        // the best line for the side to move, 1-based; 0 when nothing is free
  int value = 0;       // what the rest of the game is worth to that side (value.h)
  bool exact = false;  // false: the budget ran out and `line` and `value` mean nothing
  long nodes = 0;      // positions searched
};

class Solver {
 public:
  // A table of 2^tableBits entries (24 bytes each), kept between searches so it is allocated
  // once; every search starts from an empty table.
  explicit Solver(int tableBits = 18);

  // Given the position's value, the search only confirms it and finds a line that keeps it,
  // which takes a fraction of the work; a verdict that does not confirm it is not exact.
  Verdict solve(const Board& board, Node node, long nodeBudget,
                std::optional<int> knownValue = std::nullopt);

 private:
  struct Entry {
    Lines drawn = 0;
    Lines mine = 0;
    std::int16_t lower = 0;
    std::int16_t upper = 0;
    std::uint8_t move = 0;  // 1 + the bit of the best line as stored, or 0
    bool used = false;
  };
  struct Key {
    Lines drawn;
    Lines mine;
    const Symmetry* symmetry;  // what carried the position to its stored form, or null
  };
  using GroupCounts = std::array<int, kMostGroups>;
  // The symmetries that may give a position's stored form, by its groups' counts.
  struct Candidates {
    bool valid = false;
    GroupCounts counts{};
    std::vector<int> symmetries;
  };
  static constexpr int kCandidateBits = 12;
  struct Move {
    int bit;
    int completed;
    int order;
  };

  int search(Node node, int alpha, int beta, int* bestBit);
  Key keyOf(Node node) const;
  const std::vector<int>& candidatesFor(const GroupCounts& counts) const;
  const Entry* find(const Key& key) const;
  Entry& place(const Key& key);
  int orderMoves(Node node, Move* moves, int preferredBit) const;
  int bound(Node node) const;

  const Board* board_ = nullptr;
  std::vector<Entry> table_;
  mutable std::vector<Candidates> candidates_;  // kept for one search: boards come and go
  long nodes_ = 0;
  long budget_ = 0;
  bool outOfBudget_ = false;
};

}  // namespace dorvan::search
