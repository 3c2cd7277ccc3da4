#include "game3d/scoring.h"

#include "game3d/texts.h"

namespace dorvan::game3d {

SideCounts countSides(const Position& position, Variant variant, Side mover) {
  SideCounts sidecount{};
  const int sides = boxSides(variant);
  for (int box = 1; box <= boxCount(variant); ++box) {
    for (int slot = 1; slot <= sides; ++slot) {
      const int mark = boxMark(position, variant, box, slot);
      // An undrawn slot never counts, whoever is named as the mover.
      const bool counts = mark != kNobody && (variant != Variant::kDuomar || mark == mover);
      if (counts) ++sidecount[box];
    }
  }
  return sidecount;
}

NewBoxes findNewBoxes(const Position& position, Variant variant, const SideCounts& sidecount) {
  NewBoxes found;
  found.newboxes.fill(kNoNewBox);
  found.newboxes[0] = 0;
  for (int box = 1; box <= boxCount(variant); ++box) {
    if (sidecount[box] == boxSides(variant) && position.claimed[box] == 0) {
      ++found.completed;
      found.newboxes[box] = box;
    }
  }
  return found;
}

MoveScore scoreMove(const Position& position, Variant variant, Side mover, int redtomove) {
  const NewBoxes found = findNewBoxes(position, variant, countSides(position, variant, mover));
  MoveScore score;
  score.completed = found.completed;
  score.redtomove = redtomove;
  for (int box = 1; box <= kSquareCount; ++box) {
    if (found.newboxes[box] != kNoNewBox) score.boxes.push_back(box);
  }
  if (found.completed > 0) {
    score.scorer = redtomove == 1 ? kBlue : kRed;
    if (variant != Variant::kDuomar) score.redtomove = redtomove == 1 ? 0 : 1;
    score.points = pointsFor(found.completed);
  }
  const Side next = sideToMove(score.redtomove);
  score.status = texts::moveStatus(variant, found.completed, mover, next);
  if (found.completed == 0 || variant == Variant::kDuomar) score.statusColour = statusColour(next);
  return score;
}

}  // namespace dorvan::game3d
