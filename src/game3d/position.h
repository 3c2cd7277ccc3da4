#pragma once
// The per-game tables of the 3D window and the changes a drawn line makes to them.
// Every table keeps index 0 unused so that line, box and slot numbers index it directly.

#include <array>
#include <span>

#include "game3d/lattice_tables.h"
#include "game3d/sides.h"

namespace dorvan::game3d {

struct Position {
  std::array<int, kLineCount + 1> lineowner{};  // Side that drew each line, 0 while free
  // Side that drew the line in each slot, but only for lines drawn while squares were scored
  // (sqmarks) or while cubes were (cubemarks): a line goes into one of the two, never both.
  std::array<std::array<int, kSquareSides + 1>, kSquareCount + 1> sqmarks{};
  std::array<std::array<int, kCubeEdges + 1>, kCubeCount + 1> cubemarks{};
  std::array<int, kSquareCount + 1> claimed{};  // 1 once a box has been scored (cubes use 1..8)
};

// Boxes of a variant: squares in Merrin and Duomar, cubes in Dorvan.
constexpr int boxCount(Variant variant) {
  return scoresCubes(variant) ? kCubeCount : kSquareCount;
}
constexpr int boxSides(Variant variant) {
  return scoresCubes(variant) ? kCubeEdges : kSquareSides;
}

// The lines of a box in slot order (from `sqlines` or `cubelines`).
std::span<const int> boxLines(Variant variant, int box);

// The side recorded in a slot of a box, from the variant's table.
int boxMark(const Position& position, Variant variant, int box, int slot);

constexpr bool isFree(const Position& position, int line) {
  return position.lineowner[line] == 0;
}

// Writes `side` into the variant's table for every slot the line fills; `lineowner` is left alone.
void recordLine(Position& position, Variant variant, int line, Side side);

// Sets the owner of the line and records it for the variant.
void drawLine(Position& position, Variant variant, int line, Side side);

// Number of lines still free.
int movesLeft(const Position& position);

}  // namespace dorvan::game3d
