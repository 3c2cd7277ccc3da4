#pragma once
// Which line each screen position shows in an orientation, and where a line is shown. The three
// frames that meet at a position show three cells, and three cells meet in one line at most, so
// a drawn line follows its cells to wherever the turn has taken them.

#include <array>

#include "game4d/colour_lookup.h"
#include "game4d/incidence.h"
#include "game4d/positions.h"
#include "view4d/orientation.h"

namespace dorvan::view4d {

// The line shown at screen position `position`; 0 when its frames show cells that meet in no
// line.
constexpr int lineAt(const Orientation& orientation, int position) {
  const auto lines = game4d::drawinglines(position);
  return game4d::lineOfCells(cellShown(orientation, lines[0].frame),
                             cellShown(orientation, lines[1].frame),
                             cellShown(orientation, lines[2].frame));
}

// The screen position that shows `line` (the first, should several); 0 when none does.
constexpr int positionOf(const Orientation& orientation, int line) {
  for (int position = 1; position <= game4d::kPositionCount; ++position) {
    if (lineAt(orientation, position) == line) return position;
  }
  return 0;
}

// The screen positions of the four lines of `square`, in the order of `sqlines`.
constexpr std::array<int, game4d::kLinesPerSquare> positionsOfSquare(const Orientation& orientation,
                                                                     int square) {
  std::array<int, game4d::kLinesPerSquare> positions{};
  for (int k = 0; k < game4d::kLinesPerSquare; ++k) {
    positions[k] = positionOf(orientation, game4d::sqlines[square][k + 1]);
  }
  return positions;
}

// Whether the eight frames show eight different cells, so that each line is shown exactly once.
constexpr bool showsEightCells(const Orientation& orientation) {
  std::array<bool, game4d::kCellCount + 1> seen{};
  for (int frame = 1; frame <= game4d::kFrameCount; ++frame) {
    const int cell = cellShown(orientation, frame);
    if (!game4d::isCell(cell) || seen[cell]) return false;
    seen[cell] = true;
  }
  return true;
}

}  // namespace dorvan::view4d
