#pragma once
// What a game is worth to a side: the margin of boxes first and, between equal box margins, the
// margin of points. Both fold into one integer so that the search compares them in that order.

#include <array>

namespace dorvan::search {

// One box outweighs any difference of points: a game has at most 36 boxes, and points (in
// thousands) come to at most 2.5 a box.
inline constexpr int kBoxWeight = 256;

// The points of a line that completes 0 to 4 boxes at once, in thousands.
inline constexpr std::array<int, 5> kPointsInThousands{0, 1, 4, 7, 10};

constexpr int gainOf(int completed) {
  return completed * kBoxWeight + kPointsInThousands[completed];
}

// What a line is worth to the side that draws it, where completing a box keeps the move: its
// gain and then what the position after it is worth to whoever moves there.
constexpr int worthOfLine(int completed, int valueAfter) {
  return completed > 0 ? gainOf(completed) + valueAfter : -valueAfter;
}

// A value splits back into its two margins.
constexpr int boxMargin(int value) {
  const int rounded = value >= 0 ? value + kBoxWeight / 2 : value - kBoxWeight / 2;
  return rounded / kBoxWeight;
}
constexpr int pointsMargin(int value) {
  return (value - boxMargin(value) * kBoxWeight) * 1000;
}

}  // namespace dorvan::search
