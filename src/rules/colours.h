#pragma once
// The colours that stand for the sides, the lines being shown and the move clock.

#include "common/colour.h"
#include "rules/sides.h"

namespace dorvan::rules {

inline constexpr Colour kRedLineColour = 0x0000FF;
inline constexpr Colour kBlueLineColour = 0xFF0000;
inline constexpr Colour kRedStatusColour = 0x0040C0;  // a darker red keeps the status readable
inline constexpr Colour kBlueStatusColour = 0xFF0000;
inline constexpr Colour kHighlightColour = 0x00FF00;  // the computer's line, a completed box

constexpr Colour lineColour(Side side) {
  return side == kRed ? kRedLineColour : kBlueLineColour;
}
constexpr Colour statusColour(Side side) {
  return side == kRed ? kRedStatusColour : kBlueStatusColour;
}

// The clock's bar in both windows: green time left, covered by red as it runs out.
inline constexpr Colour kClockTimeLeftColour = 0x00C000;
inline constexpr Colour kClockTimeUsedColour = 0x0000C0;

}  // namespace dorvan::rules
