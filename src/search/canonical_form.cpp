#include "search/canonical_form.h"

#include <bit>

namespace dorvan::search {

CanonicalForm::CanonicalForm(const Board& board)
    : bytes_((std::bit_width(board.playable) + 7) / 8) {
  tables_.reserve(board.symmetries.size() * static_cast<std::size_t>(bytes_));
  for (const Symmetry& symmetry : board.symmetries) {
    for (int byte = 0; byte < bytes_; ++byte) {
      std::array<Lines, 256>& table = tables_.emplace_back();
      for (unsigned value = 0; value < 256; ++value)
        table[value] = symmetry.apply(Lines{value} << (8 * byte));
    }
  }
}

Lines CanonicalForm::operator()(Lines drawn) const {
  if (tables_.empty()) return drawn;
  Lines least = ~Lines{0};
  for (std::size_t first = 0; first < tables_.size(); first += static_cast<std::size_t>(bytes_)) {
    Lines image = 0;
    for (int byte = 0; byte < bytes_; ++byte)
      image |= tables_[first + static_cast<std::size_t>(byte)][(drawn >> (8 * byte)) & 0xFF];
    if (image < least) least = image;
  }
  return least;
}

}  // namespace dorvan::search
