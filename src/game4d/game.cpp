#include "game4d/game.h"

#include "game3d/scoring.h"
#include "game3d/texts.h"

namespace dorvan::game4d {

Side passTurn(Position& p) {
  const Side mover = game3d::sideToMove(p.redtomove);
  p.redtomove = mover == game3d::kRed ? 0 : 1;
  p.mover = mover;
  return mover;
}

void drawLine(Position& p, int line) {
  for (const Incidence& in : linesquares[line]) p.sqmarks[in.number][in.position] = p.mover;
  for (const Incidence& in : linecells[line]) p.cellmarks[in.number][in.position] = p.mover;
  p.lineowner[line] = p.mover;
}

void drawComputerLine(Position& p, int line, Variant variant) {
  p.mover = game3d::kRed;
  p.lineowner[line] = game3d::kRed;
  if (scoresCells(variant)) {
    for (const Incidence& in : linecells[line]) p.cellmarks[in.number][in.position] = game3d::kRed;
  } else {
    for (const Incidence& in : linesquares[line]) p.sqmarks[in.number][in.position] = game3d::kRed;
  }
}

MoveScore scoreMove(Position& p, Variant variant) {
  const int units = unitCount(variant);
  const int lines = linesPerUnit(variant);
  p.sidecount = {};
  for (int unit = 1; unit <= units; ++unit) {
    for (int k = 1; k <= lines; ++k) {
      const int mark = unitMark(p, variant, unit, k);
      const bool counts = variant == Variant::kDuomar ? mark != 0 && mark == p.mover : mark != 0;
      p.sidecount[unit] += counts;
    }
  }

  MoveScore score;
  for (int unit = 1; unit <= units; ++unit) {
    if (p.sidecount[unit] != lines || p.unitdone[unit] != 0) continue;
    p.unitdone[unit] = 1;
    score.units.at(score.completed++) = unit;
  }

  const Side mover = p.mover == game3d::kRed ? game3d::kRed : game3d::kBlue;
  if (score.completed > 0) {
    if (variant != Variant::kDuomar) p.redtomove = mover == game3d::kRed ? 1 : 0;
    score.points = game3d::pointsFor(score.completed);
    (mover == game3d::kRed ? p.redScore : p.blueScore) += score.completed;
    (mover == game3d::kRed ? p.redPoints : p.bluePoints) += score.points;
  }
  score.next = game3d::sideToMove(p.redtomove);
  score.status = game3d::texts::moveStatus(variant, score.completed, mover, score.next);
  return score;
}

MoveScore playLine(Position& p, int line, Variant variant) {
  passTurn(p);
  drawLine(p, line);
  return scoreMove(p, variant);
}

int freeLines(const Position& p) {
  int free = 0;
  for (int line = 1; line <= kLineCount; ++line) free += p.lineowner[line] == 0;
  return free;
}

bool gameOver(const Position& p, bool halfLevel) {
  const int free = freeLines(p);
  return free == 0 || (halfLevel && free == kHalfLevelFreeAtEnd);
}

bool newGame(Position& p) {
  const int bluestarts = p.bluestarts == 0 ? 1 : 0;
  p = Position{};
  p.bluestarts = bluestarts;
  p.redtomove = bluestarts == 0 ? 1 : 0;
  return p.redtomove == 1;
}

}  // namespace dorvan::game4d
