#include "game3d/position.h"

#include <algorithm>

namespace dorvan::game3d {

std::span<const int> boxLines(Variant variant, int box) {
  if (scoresCubes(variant)) return std::span<const int>(cubelines[box]).subspan(1);
  return std::span<const int>(sqlines[box]).subspan(1);
}

int boxMark(const Position& position, Variant variant, int box, int slot) {
  return scoresCubes(variant) ? position.cubemarks[box][slot] : position.sqmarks[box][slot];
}

void recordLine(Position& position, Variant variant, int line, Side side) {
  if (scoresCubes(variant)) {
    for (const Slot& place : cubesOf(line)) position.cubemarks[place.box][place.slot] = side;
  } else {
    for (const Slot& place : squaresOf(line)) position.sqmarks[place.box][place.slot] = side;
  }
}

void drawLine(Position& position, Variant variant, int line, Side side) {
  position.lineowner[line] = side;
  recordLine(position, variant, line, side);
}

int movesLeft(const Position& position) {
  return static_cast<int>(std::count(position.lineowner.begin() + 1, position.lineowner.end(), 0));
}

}  // namespace dorvan::game3d
