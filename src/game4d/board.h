#pragma once
// The tesseract as the rules play it: 32 lines, 24 squares and 8 cells; and the four lines that
// the "1/2 Level" keeps out of play.

#include "game4d/incidence.h"
#include "rules/board.h"
#include "rules/computer.h"

namespace dorvan::game4d {

inline constexpr rules::Board kBoard =
    rules::makeBoard(kLineCount, sqlines, kSquareCount, celllines, kCellCount);

// The lines 1, 4, 6 and 26 lie in no cell that the "1/2 Level" shows.
inline constexpr rules::LineSet kHalfLevelClosedLines =
    rules::lineBit(1) | rules::lineBit(4) | rules::lineBit(6) | rules::lineBit(26);

constexpr bool closedAtHalfLevel(int line) {
  return isLine(line) && rules::contains(kHalfLevelClosedLines, line);
}

// The computer never draws a closed line at the "1/2 Level", and keeps them back from its safe
// lines whenever cells score: a cell holding them can never be completed without giving away
// its neighbours.
constexpr rules::ComputerPolicy computerPolicy(rules::Variant variant, bool halfLevel) {
  const bool keptBack = halfLevel || !rules::scoresSquares(variant);
  return {keptBack ? kHalfLevelClosedLines : 0, halfLevel ? kHalfLevelClosedLines : 0};
}

}  // namespace dorvan::game4d
