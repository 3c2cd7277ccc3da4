#pragma once
// The rules of the game on any board, without a window. A board is given by its incidence
// tables (which lines make each box); the lattice (game3d/) and the tesseract (game4d/) supply
// theirs and nothing else. Nothing here draws, waits or asks the player anything.
//
//   sides.h        sides, variants and what sets the variants apart
//   colours.h      the colours of the sides, of a line being shown and of the clock's bar
//   board.h        a board: lines, squares and solids, each box's lines as a bit set
//   position.h     the lines drawn and by whom, the marks tables, counting sides, completed boxes
//   game.h         one game: turns, what a line scores, points, the end, the next game
//   computer.h     what the computer draws
//   move_clock.h   the sudden-death clock
//   score_lists.h  the high scores and the round-by-round record
//   texts.h        the status line after a move, the verdicts and the end of a game

#include "rules/board.h"
#include "rules/colours.h"
#include "rules/computer.h"
#include "rules/game.h"
#include "rules/move_clock.h"
#include "rules/position.h"
#include "rules/score_lists.h"
#include "rules/sides.h"
#include "rules/texts.h"
