#pragma once
// The judgement of a line before the end can be searched: many games played on from it by two
// greedy players (take what can be taken, else give nothing away, else anything), averaged.
// The games' randomness comes from the position itself, so a position is always judged alike.

#include "search/board.h"
#include "search/solver.h"

namespace dorvan::search {

// The line whose playouts end best on average for the side to move; 0 when nothing is free.
// Between equal averages the lower line.
int bestByPlayouts(const Board& board, Node node, int playoutsPerLine);

}  // namespace dorvan::search
