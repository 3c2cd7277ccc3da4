#pragma once
// One form for all the symmetric images of a position: the least of the drawn-line sets that
// the board's symmetries make of it. Byte tables make it cheap enough to ask for every line
// of a position, which the solved openings do.

#include <array>
#include <vector>

#include "search/board.h"

namespace dorvan::search {

class CanonicalForm {
 public:
  explicit CanonicalForm(const Board& board);

  Lines operator()(Lines drawn) const;

 private:
  int bytes_ = 0;  // bytes of a line set that hold playable lines
  // For symmetry s and byte b of a line set, tables_[s * bytes_ + b][value] is that byte's image.
  std::vector<std::array<Lines, 256>> tables_;
};

}  // namespace dorvan::search
