#pragma once
// One press of a turning button, as the window carries it out: the new orientation (counters and
// frame colours), how the frames' visibility travels with their colours, and which buttons stay
// usable.

#include <span>

#include "game4d/positions.h"
#include "view4d/button_states.h"
#include "view4d/orientation.h"
#include "view4d/turn_buttons.h"

namespace dorvan::view4d {

struct Step {
  Turn turn;  // cycle 0 for the buttons that turn nothing
  Orientation after;
  ButtonUpdate buttons;
};

constexpr Step step(const Orientation& before, Button pressed) {
  const Turn turn = turnOf(pressed);
  const Orientation after = turned(before, turn);
  return {turn, after, buttonsAfter(after, pressed)};
}

// The frames whose colours `turn` sets: its cycle in cycle order, none for no turn.
constexpr std::span<const int> recolouredFrames(Turn turn) {
  if (turn.cycle == 0) return {};
  return turncycles[turn.cycle];
}

// A drawing line of one view: `L`frame(element) in the main view, `m`frame(element) in the
// second.
struct ViewLine {
  bool mainView = true;
  game4d::DrawingLine line;
  friend constexpr bool operator==(ViewLine, ViewLine) = default;
};

// Where the visibility of drawing line `target` comes from in a turn: the drawing line whose
// visibility, read before the turn, it takes. Along the cycle each frame takes the flag of the
// same element of the next frame (forward) or the previous one (back), in its own view. The
// frame at the far end (position 4 forward, 1 back) takes, in both views, the one flag
// remembered before the pass: that of element 1 of the main view's frame at the other end.
// Frames outside the cycle keep their own flags.
constexpr ViewLine visibilitySource(Turn turn, ViewLine target) {
  if (turn.cycle == 0) return target;
  const auto& cycle = turncycles[turn.cycle];
  const bool forward = turn.direction == Direction::forward;
  const int last = forward ? kCycleLength - 1 : 0;
  for (int j = 0; j < kCycleLength; ++j) {
    if (cycle[j] != target.line.frame) continue;
    if (j == last) return {true, {cycle[kCycleLength - 1 - last], 1}};
    return {target.mainView, {cycle[forward ? j + 1 : j - 1], target.line.element}};
  }
  return target;
}

}  // namespace dorvan::view4d
