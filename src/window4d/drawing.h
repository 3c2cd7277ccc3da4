#pragma once
// Where the coloured drawing lines `L1`..`L8` (main view) and `m1`..`m8` (second view) lie.
//
// The rule, applied to each view on its own:
// 1. Lanes. The three drawing lines of a screen position run parallel to its centre line (`pow`
//    or `slam`) in three lanes: one on the centre line and one `sideStep` to either side. The
//    frame whose cube lies farthest to one side of the edge takes the lane on that side, a
//    frame's cube lying at the mean of the midpoints of its 12 centre lines. So each cube is
//    drawn a little inside the edges it shares, and the three colours of an edge lie side by
//    side.
// 2. Ends. The centre lines of the window design do not quite meet where the tesseract's
//    corners are. A corner is placed at the mean of the nearest ends of the four centre lines
//    that meet there, and a drawing line ends at the feet of the perpendiculars dropped from
//    its two corners onto its lane. The three lines of a frame at one corner thus end together,
//    and each frame's 12 lines close up into one cube.

#include "common/geometry.h"
#include "window4d/centre_lines.h"

namespace dorvan::window4d {

// The window draws and plays the engine's tesseract: its names are this window's vocabulary.
using namespace game4d;

// The second view is drawn at about half the size of the main view, so its lanes are closer.
constexpr int sideStep(View view) {
  return view == View::main ? 120 : 75;
}

// End points of `L`frame(element) (main view) or `m`frame(element) (second view).
Segment drawingLineSegment(View view, int frame, int element);

}  // namespace dorvan::window4d
