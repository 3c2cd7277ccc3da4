#pragma once
// The two boards of the game as the search sees them, built from the lattice's and the
// tesseract's own tables, and a game's position as the search takes it.

#include <string_view>

#include "rules/position.h"
#include "rules/sides.h"
#include "search/board.h"

namespace dorvan::search {

// The 3x3x3 lattice: squares in Merrin and Duomar, unit cubes in Dorvan.
const Board& cubeBoard(rules::Variant variant);

// The tesseract: squares or cells. At the half level the four lines out of play are never
// drawn, so the boxes that hold them never count.
const Board& tesseractBoard(rules::Variant variant, bool halfLevel);

// The tesseract's board for the programs that make and measure its solved openings, named on
// their command lines: "merrin" or "dorvan", "normal" or "half"; null for any other name.
const Board* tesseractBoardNamed(std::string_view variant, std::string_view level);

// The drawn lines and, where only a side's own lines count, those of the side to move.
Node nodeOf(const rules::Position& position, rules::Variant variant, rules::Side toMove);

}  // namespace dorvan::search
