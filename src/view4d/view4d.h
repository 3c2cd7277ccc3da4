#pragma once
// What the tesseract's view offers the 4D window: turning the tesseract and painting the
// colour-pair boxes, as compile-time data and pure functions over the tables of game4d. No
// window here; the window keeps an `Orientation` and applies each `Step` to its controls.
//
//   turn_buttons.h   the six cycles of frames and the fourteen buttons that turn them
//   orientation.h    the turn counters and which cell each frame shows
//   button_states.h  which buttons and cell boxes stay usable after a press
//   turn_step.h      one press: new orientation, visibility travelling, button update
//   shown_lines.h    the line shown at a screen position and the position showing a line
//   contrast.h       relative luminance and contrast ratio of two colours
//   shades.h         light and dark shades of a colour that keep its hue
//   pair_boxes.h     `Check4`(1..20): the cells and square of each box and its colours

#include "view4d/button_states.h"
#include "view4d/contrast.h"
#include "view4d/orientation.h"
#include "view4d/pair_boxes.h"
#include "view4d/shades.h"
#include "view4d/shown_lines.h"
#include "view4d/turn_buttons.h"
#include "view4d/turn_step.h"
