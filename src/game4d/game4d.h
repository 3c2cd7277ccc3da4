#pragma once
// The 4D game without its window: the tesseract's constant tables and the rules of a game on
// it. All of it is compile-time data or pure functions; nothing here draws, waits or asks.
//
//   cells.h          the eight cells: colour, code word, display colour, opposite, frame
//   incidence.h      `celllines`, `sqlines` and the views derived from them
//   positions.h      the 32 screen positions: cells in click order, drawing lines, diagram
//                    element, "1/2 Level" closure, and the hidden corners of both views
//   colour_lookup.h  the line shown at a position, from the colours read there
//
// Shared with the 3D game (game3d/): the sides and their colours, the move clock and the texts
// of the end of a game.

#include "game4d/cells.h"
#include "game4d/colour_lookup.h"
#include "game4d/incidence.h"
#include "game4d/positions.h"
