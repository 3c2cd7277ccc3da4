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

// Where the visibility of drawing line `target` comes from in a turn: the drawing line of the
// same view whose visibility, read before the turn, it takes. Along the cycle each frame takes
// the flag of the next one (forward) or the previous one (back), element by element; the frame
// at the far end (position 4 forward, 1 back) takes the flag remembered before the pass, that of
// element 1 of the frame at the other end. Frames outside the cycle keep their own flags.
constexpr game4d::DrawingLine visibilitySource(Turn turn, game4d::DrawingLine target) {
  if (turn.cycle == 0) return target;
  const auto& cycle = turncycles[turn.cycle];
  const bool forward = turn.direction == Direction::forward;
  const int last = forward ? kCycleLength - 1 : 0;
  for (int j = 0; j < kCycleLength; ++j) {
    if (cycle[j] != target.frame) continue;
    if (j == last) return {cycle[kCycleLength - 1 - last], 1};
    return {cycle[forward ? j + 1 : j - 1], target.element};
  }
  return target;
}

}  // namespace dorvan::view4d
