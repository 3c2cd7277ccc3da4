#pragma once
// Solved openings: the exact value of every position of a board with at most `depth()` lines
// drawn, each kept once in its canonical form. `dorvan_make_openings` solves a whole board
// once and writes them; the game ships them and decides its early lines by looking them up,
// where an exact search would need far more than a move's time.

#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "search/board.h"
#include "search/canonical_form.h"

namespace dorvan::search {

class Openings {
 public:
  Openings() = default;
  // `entries` holds canonical positions and their values, in any order.
  Openings(int depth, std::vector<std::pair<Lines, int>> entries);

  // Reads what `encode` wrote; an empty table (depth -1) when the bytes are not one.
  static Openings decode(std::span<const unsigned char> bytes);
  std::vector<unsigned char> encode() const;

  int depth() const { return depth_; }
  std::size_t size() const { return keys_.size(); }
  std::optional<int> valueOf(Lines canonical) const;
  const std::vector<Lines>& positions() const { return keys_; }  // ascending

 private:
  int depth_ = -1;
  std::vector<Lines> keys_;  // ascending
  std::vector<std::int16_t> values_;
};

// A board's solved openings with the form their positions are kept in.
struct SolvedOpenings {
  SolvedOpenings(const Board& board, Openings table) : form(board), table(std::move(table)) {}

  CanonicalForm form;
  Openings table;

  std::optional<int> valueOf(Lines drawn) const { return table.valueOf(form(drawn)); }
};

}  // namespace dorvan::search
