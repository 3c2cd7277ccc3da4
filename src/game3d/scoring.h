#pragma once
// What a drawn line scores: the side counts of the variant's boxes, the boxes it completed,
// the bonus, whose turn it is afterwards and the status line.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "game3d/position.h"
#include "game3d/sides.h"

namespace dorvan::game3d {

// `newboxes` holds this for every box the move did not complete.
inline constexpr int kNoNewBox = 37;

using SideCounts = std::array<int, kSquareCount + 2>;  // `sidecount`, boxes 0..37

// Drawn sides of every box of the variant. Merrin and Dorvan count any side's lines; Duomar
// counts only the slots that `mover` drew.
SideCounts countSides(const Position& position, Variant variant, Side mover);

struct NewBoxes {
  int completed = 0;
  std::array<int, kSquareCount + 1> newboxes{};  // box number, or kNoNewBox; index 0 unused
};

// Full boxes that have not been scored yet.
NewBoxes findNewBoxes(const Position& position, Variant variant, const SideCounts& sidecount);

// Points for one line by the number of boxes it completed (0..4).
constexpr int pointsFor(int completed) {
  constexpr std::array<int, 5> kBonus = {0, 1000, 4000, 7000, 10000};
  return completed >= 0 && completed <= 4 ? kBonus[completed] : 0;
}

struct MoveScore {
  int completed = 0;
  std::vector<int> boxes;  // completed boxes in box order, to be claimed and shown one by one
  // The box count goes to the side that `redtomove` says has just moved, the points to `mover`.
  // The window keeps the two in step: the computer's lines are Red's and set `mover` to Red.
  Side scorer = kNobody;
  int points = 0;
  int redtomove = 0;  // after the move
  std::string status;
  std::optional<Colour> statusColour;  // empty: the status line keeps its colour
};

// The scoring part of the after-move procedure, given the window's `mover` and `redtomove`
// as they are once the line has been drawn. Leaves `claimed` to the caller.
MoveScore scoreMove(const Position& position, Variant variant, Side mover, int redtomove);

}  // namespace dorvan::game3d
