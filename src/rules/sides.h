#pragma once
// The two sides, the three game variants and what tells the variants apart.

#include <string_view>

namespace dorvan::rules {

// Owner tables hold these values; 0 means the line or slot is still free.
enum Side : int { kNobody = 0, kRed = 1, kBlue = 2 };

constexpr Side opponent(Side side) {
  return side == kRed ? kBlue : kRed;
}

// `redtomove` is kept as both windows keep it: 1 while Red is to move, 0 while Blue is.
constexpr Side sideToMove(int redtomove) {
  return redtomove == 1 ? kRed : kBlue;
}

constexpr std::string_view sideName(Side side) {
  return side == kRed ? "Red" : "Blue";
}

// The value of `gamevariant`, and the index of the checked Games menu item.
enum class Variant : int { kMerrin = 0, kDuomar = 1, kDorvan = 2 };

constexpr Variant variantFromIndex(int gamevariant) {
  return gamevariant == 2 ? Variant::kDorvan
                          : (gamevariant == 1 ? Variant::kDuomar : Variant::kMerrin);
}
constexpr int variantIndex(Variant variant) {
  return static_cast<int>(variant);
}

// Merrin and Duomar score squares; Dorvan scores the solids (the lattice's cubes, the
// tesseract's cells).
constexpr bool scoresSquares(Variant variant) {
  return variant != Variant::kDorvan;
}
// In Duomar a box counts only the lines its scorer drew, and a score does not earn another move.
constexpr bool ownLinesOnly(Variant variant) {
  return variant == Variant::kDuomar;
}

// Duomar is a game for two people: the computer never plays it.
constexpr bool variantAllowed(Variant variant, bool twoPlayers) {
  return variant != Variant::kDuomar || twoPlayers;
}

}  // namespace dorvan::rules
