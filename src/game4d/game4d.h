#pragma once
// What the 4D engine offers the rest of the program: the tesseract's constant tables and the
// geometry of its drawing. All of it is compile-time data or pure functions; no window here.
//
//   cells.h          the eight cells: colour, code word, display colour, opposite, frame
//   incidence.h      `celllines`, `sqlines` and the views derived from them
//   positions.h      the 32 screen positions: cells in click order, drawing lines, diagram
//                    element, "1/2 Level" closure, and the hidden corners of both views
//   colour_lookup.h  the line shown at a position, from the colours read there
//   geometry.h       points, segments and rectangles in twips
//   centre_lines.h   `pow` and `slam`, the centre line of each position in each view
//   click_targets.h  the `Label2` click targets and the positions they stand for
//   drawing.h        end points of `L1`..`L8` and `m1`..`m8`
//   diagram.h        the small diagram's elements, colours and end points

#include "game4d/cells.h"
#include "game4d/centre_lines.h"
#include "game4d/click_targets.h"
#include "game4d/colour_lookup.h"
#include "game4d/diagram.h"
#include "game4d/drawing.h"
#include "game4d/geometry.h"
#include "game4d/incidence.h"
#include "game4d/positions.h"
