#pragma once
// The strong computer opponent, pure: an exact search of the rest of a game and, where that
// is too far to search, a judgement by greedy playouts.
//
//   board.h     a board as bit sets of lines, its rules and its symmetries
//   boards.h    the cube's and the tesseract's boards, from their own tables
//   value.h     what a game is worth: boxes first, then points
//   solver.h    the exact search, with its node budget
//   playouts.h  the judgement by greedy playouts
//   canonical_form.h  one form for the symmetric images of a position
//   openings.h  the solved openings: exact values of early positions, shipped as data
//   opponent.h  the strong computer's line, within the board's budget

#include "search/board.h"
#include "search/boards.h"
#include "search/canonical_form.h"
#include "search/openings.h"
#include "search/opponent.h"
#include "search/playouts.h"
#include "search/solver.h"
#include "search/value.h"
