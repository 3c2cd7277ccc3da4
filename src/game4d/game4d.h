#pragma once
// The tesseract without its window: what only the 4D game has, as compile-time data. The rules
// that play on it are in rules/.
//
//   cells.h          the eight cells: colour, code word, display colour, opposite, frame
//   incidence.h      `celllines`, `sqlines` and the views derived from them
//   positions.h      the 32 screen positions: cells in click order, drawing lines, diagram
//                    element, "1/2 Level" closure, and the hidden corners of both views
//   colour_lookup.h  the line shown at a position, from the colours read there
//   board.h          the tesseract as the rules' board, and the lines the "1/2 Level" closes

#include "game4d/board.h"
#include "game4d/cells.h"
#include "game4d/colour_lookup.h"
#include "game4d/incidence.h"
#include "game4d/positions.h"
