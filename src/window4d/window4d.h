#pragma once
// The 4D game window `Form2` and the design data it is drawn from.
//
//   form2.h          the window: its controls, handlers and per-game state
//   form2_texts.h    its caption, control captions, menus and messages
//   form2_layout.h   where the panel, the scores and the score list stand
//   centre_lines.h   `pow` and `slam`, the centre line of each position in each view
//   click_targets.h  the `Label2` click targets and the positions they stand for
//   drawing.h        end points of `L1`..`L8` and `m1`..`m8`
//   diagram.h        the small diagram's elements, colours and end points

#include "window4d/centre_lines.h"
#include "window4d/click_targets.h"
#include "window4d/diagram.h"
#include "window4d/drawing.h"
#include "window4d/form2.h"
#include "window4d/form2_layout.h"
#include "window4d/form2_texts.h"
