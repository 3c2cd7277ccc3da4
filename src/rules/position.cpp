#include "rules/position.h"

namespace dorvan::rules {

Completed completedBoxes(const Board& board, const Position& position, Variant variant,
                         Side mover) {
  const LineSet counted = countedLines(position, variant, mover);
  const BoxTable& boxes = board.boxes(variant);
  Completed found;
  for (int box = 1; box <= boxes.count; ++box) {
    if ((boxes.masks[box] & ~counted) == 0 && !position.claimed(box))
      found.boxes[found.count++] = box;
  }
  return found;
}

}  // namespace dorvan::rules
