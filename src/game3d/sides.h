#pragma once
// The two sides, the three game variants and the colours that stand for them.

#include <cstdint>
#include <string_view>

#include "common/colour.h"

namespace dorvan::game3d {

// Owner tables hold these values; 0 means the line or slot is still free.
enum Side : int { kNobody = 0, kRed = 1, kBlue = 2 };

constexpr Side opponent(Side side) {
  return side == kRed ? kBlue : kRed;
}

// `redtomove` is kept as the window keeps it: 1 while Red is to move, 0 while Blue is.
constexpr Side sideToMove(int redtomove) {
  return redtomove == 1 ? kRed : kBlue;
}

constexpr std::string_view sideName(Side side) {
  return side == kRed ? "Red" : "Blue";
}

constexpr Colour kRedLineColour = 0x0000FF;
constexpr Colour kBlueLineColour = 0xFF0000;
constexpr Colour kRedStatusColour = 0x0040C0;  // a darker red keeps the status text readable
constexpr Colour kBlueStatusColour = 0xFF0000;
constexpr Colour kHighlightColour = 0x00FF00;  // the computer's line and a completed box

constexpr Colour lineColour(Side side) {
  return side == kRed ? kRedLineColour : kBlueLineColour;
}
constexpr Colour statusColour(Side side) {
  return side == kRed ? kRedStatusColour : kBlueStatusColour;
}

// The value of `gamevariant`.
enum class Variant : int { kMerrin = 0, kDuomar = 1, kDorvan = 2 };

constexpr Variant variantFromIndex(int gamevariant) {
  return gamevariant == 2 ? Variant::kDorvan
                          : (gamevariant == 1 ? Variant::kDuomar : Variant::kMerrin);
}
constexpr int variantIndex(Variant variant) {
  return static_cast<int>(variant);
}
constexpr bool scoresCubes(Variant variant) {
  return variant == Variant::kDorvan;
}

}  // namespace dorvan::game3d
