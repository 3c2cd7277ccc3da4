#include "rules/computer.h"

#include <algorithm>

namespace dorvan::rules {

int pickCandidate(int count, double value) {
  return std::clamp(static_cast<int>(value * count + 1), 1, std::max(count, 1));
}

ComputerMove chooseComputerMove(const Board& board, const Position& position, Variant variant,
                                const ComputerPolicy& policy, const RandomDraw& draw) {
  ComputerMove move;
  if (ownLinesOnly(variant)) return move;
  const BoxTable& boxes = board.boxes(variant);
  const LineSet recorded = position.recorded(boxKind(variant));
  move.sidecount = countSides(board, position, variant, kRed);

  for (int box = 1; box <= boxes.count; ++box) {
    if (move.sidecount[box] != boxes.sides - 1) continue;
    move.play = ComputerPlay::kTake;
    move.line = firstLine(boxes.masks[box] & ~recorded);
    return move;
  }

  // A box two lines short gives the other side a take as soon as one of its lines is drawn.
  LineSet threatened = 0;
  for (int box = 1; box <= boxes.count; ++box)
    if (move.sidecount[box] == boxes.sides - 2) threatened |= boxes.masks[box];
  const LineSet free = board.allLines() & ~position.drawn() & ~policy.outOfPlay;
  LineSet candidates = free & ~threatened & ~policy.keptBack;
  move.play = ComputerPlay::kSafe;
  if (candidates == 0) {
    candidates = free;
    move.play = ComputerPlay::kAnyFree;
  }
  if (candidates == 0) {
    move.play = ComputerPlay::kNone;
    return move;
  }
  // The r-th candidate in increasing line order.
  for (int r = pickCandidate(countLines(candidates), draw()); r > 1; --r)
    candidates &= candidates - 1;
  move.line = firstLine(candidates);
  return move;
}

}  // namespace dorvan::rules
