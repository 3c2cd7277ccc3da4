#pragma once
// The 3D game without its window: the lattice tables and move names, the per-game tables and
// scoring of a drawn line, whose turn it is, the computer's choice of line, the sudden-death
// clock and the score lists. Nothing here draws, waits or asks the player anything; the 3D
// window calls these and does the showing.
//
//   lattice_tables.h  lines, move names, point texts, `sqlines`, `cubelines`
//   sides.h           sides, variants, colours
//   position.h        `lineowner`, `sqmarks`, `cubemarks`, `claimed` and drawing a line into them
//   scoring.h         `sidecount`, `newboxes`, points and the status line after a move
//   turn_flow.h       passing the turn, who opens a new game, which variants may be played
//   computer.h        the computer's move
//   move_clock.h      the sudden-death clock (also used by the 4D window)
//   score_lists.h     high scores and the cumulative record
//   texts.h           the texts of the rules

#include "game3d/computer.h"
#include "game3d/lattice_tables.h"
#include "game3d/move_clock.h"
#include "game3d/position.h"
#include "game3d/score_lists.h"
#include "game3d/scoring.h"
#include "game3d/sides.h"
#include "game3d/texts.h"
#include "game3d/turn_flow.h"
