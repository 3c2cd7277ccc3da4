#include "game3d/computer.h"

#include <algorithm>

#include "game3d/scoring.h"

namespace dorvan::game3d {
namespace {

// The computer reads both square variants alike: any side's lines count.
Variant judgedAs(Variant variant) {
  return variant == Variant::kDuomar ? Variant::kMerrin : variant;
}

std::vector<int> boxesWithSides(const SideCounts& sidecount, Variant variant, int sides) {
  std::vector<int> boxes;
  for (int box = 1; box <= boxCount(variant); ++box) {
    if (sidecount[box] == sides) boxes.push_back(box);
  }
  return boxes;
}

}  // namespace

std::vector<int> danger(const Position& position, Variant variant) {
  variant = judgedAs(variant);
  const SideCounts sidecount = countSides(position, variant, kRed);
  std::vector<int> lines;
  for (int box : boxesWithSides(sidecount, variant, boxSides(variant) - 2)) {
    const auto sides = boxLines(variant, box);
    lines.insert(lines.end(), sides.begin(), sides.end());
  }
  return lines;
}

int pickCandidate(int count, double value) {
  // Guards against a value rounding up to 1, which would otherwise pick past the end.
  return std::clamp(static_cast<int>(value * count + 1), 1, std::max(count, 1));
}

ComputerMove chooseComputerMove(const Position& position, Variant variant, const RandomDraw& draw) {
  variant = judgedAs(variant);
  ComputerMove move;

  const SideCounts sidecount = countSides(position, variant, kRed);
  const std::vector<int> takes = boxesWithSides(sidecount, variant, boxSides(variant) - 1);
  if (!takes.empty()) {
    move.play = ComputerPlay::kTake;
    move.box = takes.front();
    const auto sides = boxLines(variant, move.box);
    for (int slot = 1; slot <= boxSides(variant); ++slot) {
      if (boxMark(position, variant, move.box, slot) == 0) move.lines.push_back(sides[slot - 1]);
    }
    return move;
  }

  const std::vector<int> risky = danger(position, variant);
  for (int line = 1; line <= kLineCount; ++line) {
    if (isFree(position, line) && std::find(risky.begin(), risky.end(), line) == risky.end()) {
      move.candidates.push_back(line);
    }
  }
  move.play = ComputerPlay::kSafe;
  if (move.candidates.empty()) {
    move.play = ComputerPlay::kAnyFree;
    for (int line = 1; line <= kLineCount; ++line) {
      if (isFree(position, line)) move.candidates.push_back(line);
    }
  }
  if (move.candidates.empty()) {
    move.play = ComputerPlay::kNone;
    return move;
  }
  const int count = static_cast<int>(move.candidates.size());
  move.lines.push_back(move.candidates[pickCandidate(count, draw()) - 1]);
  return move;
}

}  // namespace dorvan::game3d
