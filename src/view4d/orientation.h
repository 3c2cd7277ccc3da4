#pragma once
// How the tesseract is turned: the six turn counters, and which cell each frame shows. A frame's
// colour is always the home colour of some frame (`homecolours` in the window), so the model
// names that frame rather than a colour.

#include <array>

#include "game4d/cells.h"
#include "view4d/turn_buttons.h"

namespace dorvan::view4d {

// Indexed by frame (entry 0 unused): a frame number for each frame.
using FrameMap = std::array<int, game4d::kFrameCount + 1>;

constexpr FrameMap homeFrames() {
  FrameMap frames{};
  for (int frame = 1; frame <= game4d::kFrameCount; ++frame) frames[frame] = frame;
  return frames;
}

struct Orientation {
  // `turns`(1..6), one counter per cycle, each 0 to 3; 0 is home.
  std::array<int, kCycleCount + 1> turns{};
  // shows[f]: the frame whose home colour frame f shows now.
  FrameMap shows = homeFrames();
  friend constexpr bool operator==(const Orientation&, const Orientation&) = default;
};

inline constexpr Orientation kHome{};

// A counter one step on: forward from 3 comes home to 0, back from 0 goes to 3.
constexpr int steppedCounter(int counter, Direction direction) {
  switch (direction) {
    case Direction::forward:
      return counter == 3 ? 0 : counter + 1;
    case Direction::back:
      return counter == 0 ? 3 : counter - 1;
    case Direction::none:
      break;
  }
  return counter;
}

// The orientation after `turn`: its counter stepped, and the four frames of its cycle recoloured
// from the counter alone. With counter c the frame at cycle position j shows the home colour of
// the frame at position ((j - 1 + c) mod 4) + 1. The other frames keep what they show: only one
// cycle is ever away from home, since a turn away from home disables every other turn.
constexpr Orientation turned(Orientation orientation, Turn turn) {
  if (turn.cycle == 0) return orientation;
  int& counter = orientation.turns[turn.cycle];
  counter = steppedCounter(counter, turn.direction);
  const auto& cycle = turncycles[turn.cycle];
  for (int j = 0; j < kCycleLength; ++j) {
    orientation.shows[cycle[j]] = cycle[(j + counter) % kCycleLength];
  }
  return orientation;
}

// The cell whose colour frame `frame` shows.
constexpr int cellShown(const Orientation& orientation, int frame) {
  return game4d::homeCellOfFrame(orientation.shows[frame]);
}

// Whether every counter of the cycles that `array` turns is home.
constexpr bool arrayAtHome(const Orientation& orientation, ButtonArray array) {
  for (int cycle = 1; cycle <= kCycleCount; ++cycle) {
    if (arrayTurnsCycle(array, cycle) && orientation.turns[cycle] != 0) return false;
  }
  return true;
}

}  // namespace dorvan::view4d
