#pragma once
// Building positions for the engine tests.

#include <initializer_list>

#include "game3d/position.h"

namespace dorvan::game3d::testing {

inline void draw(Position& position, Variant variant, std::initializer_list<int> lines, Side side) {
  for (int line : lines) drawLine(position, variant, line, side);
}

// Draws every slot of the given boxes except `missing`, alternating the sides.
inline void drawAllBut(Position& position, Variant variant, std::initializer_list<int> boxes,
                       int missing) {
  Side side = kRed;
  for (int box : boxes) {
    for (int line : boxLines(variant, box)) {
      if (line == missing || !isFree(position, line)) continue;
      drawLine(position, variant, line, side);
      side = opponent(side);
    }
  }
}

}  // namespace dorvan::game3d::testing
