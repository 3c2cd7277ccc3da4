#pragma once
// The strong computer's line: exact when the rest of the game can be searched within the
// board's budget, else the best judged by greedy playouts. It depends on the position alone, so
// a replayed game gets the same lines, and a hint shows the line the computer would draw.

#include "rules/computer.h"
#include "search/board.h"
#include "search/solver.h"

namespace dorvan::search {

struct Choice {
  int line = 0;        // 1-based; 0 when no line is free
  bool exact = false;  // found by searching to the end of the game
  int value = 0;       // when exact: what the rest of the game is worth to the side to move
  long nodes = 0;
};

Choice strongLine(const Board& board, Node node);

// The strong line as the windows play a computer's line: a take (the computer then moves
// again) or a line that completes nothing.
rules::ComputerMove strongMove(const Board& board, Node node);

}  // namespace dorvan::search
