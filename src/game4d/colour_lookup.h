#pragma once
// Naming a line by its cells. Any three cells of which no two are opposite meet in exactly one
// line, and turning the tesseract only recolours the frames, so the colours read at a screen
// position always tell which line is shown there.

#include "game4d/cells.h"
#include "game4d/incidence.h"

namespace dorvan::game4d {

// The line in which the three cells meet, in any order; 0 when they meet in no line (a cell
// repeated, two opposite cells, or a number that is no cell).
constexpr int lineOfCells(int c1, int c2, int c3) {
  if (!isCell(c1) || !isCell(c2) || !isCell(c3)) return 0;
  for (int line = 1; line <= kLineCount; ++line) {
    int matched = 0;
    for (const Incidence& in : linecells[line]) {
      matched += (in.number == c1) + (in.number == c2) + (in.number == c3);
    }
    if (matched == 3 && c1 != c2 && c1 != c3 && c2 != c3) return line;
  }
  return 0;
}

// The line whose cells show the three display colours read at a screen position, in click
// order; 0 when the colours match no line. The order is not needed to decide, so a turned
// drawing that shows the colours in another order still names its line.
constexpr int lineFromColours(Colour first, Colour second, Colour third) {
  return lineOfCells(cellOfColour(first), cellOfColour(second), cellOfColour(third));
}

}  // namespace dorvan::game4d
