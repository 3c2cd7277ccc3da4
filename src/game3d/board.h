#pragma once
// The lattice as the rules play it: 54 lines, 36 squares and 8 cubes.

#include "game3d/lattice_tables.h"
#include "rules/board.h"

namespace dorvan::game3d {

inline constexpr rules::Board kBoard =
    rules::makeBoard(kLineCount, sqlines, kSquareCount, cubelines, kCubeCount);

}  // namespace dorvan::game3d
