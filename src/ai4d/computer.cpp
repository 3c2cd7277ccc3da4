#include "ai4d/computer.h"

#include <algorithm>
#include <vector>

namespace dorvan::ai4d {

namespace {

using game4d::Position;
using game4d::Variant;

// A unit one line short can be completed; two short, its lines are unsafe to give away.
constexpr int shortOfComplete(Variant variant, int missing) {
  return game4d::linesPerUnit(variant) - missing;
}

// The lines 1, 4, 6 and 26 stay out of the computer's safe lines whenever cells score (a cell
// holding them can never be completed without giving away its neighbours), and at the half
// level in any variant, where they are out of play.
bool keptBack(int line, Variant variant, bool halfLevel) {
  return game4d::closedAtHalfLevel(line) && (halfLevel || game4d::scoresCells(variant));
}

}  // namespace

Choice chooseLine(const Position& p, Variant variant, bool halfLevel, const RandomDraw& random) {
  Choice choice;
  if (variant == Variant::kDuomar) return choice;
  const int units = game4d::unitCount(variant);
  const int lines = game4d::linesPerUnit(variant);
  for (int unit = 1; unit <= units; ++unit)
    for (int k = 1; k <= lines; ++k)
      choice.sidecount[unit] += game4d::unitMark(p, variant, unit, k) != 0;

  for (int unit = 1; unit <= units; ++unit) {
    if (choice.sidecount[unit] != shortOfComplete(variant, 1)) continue;
    for (int k = 1; k <= lines; ++k) {
      if (game4d::unitMark(p, variant, unit, k) != 0) continue;
      choice.play = Play::kComplete;
      choice.line = game4d::unitLine(variant, unit, k);
      return choice;
    }
  }

  std::vector<int> threatened;
  for (int unit = 1; unit <= units; ++unit) {
    if (choice.sidecount[unit] != shortOfComplete(variant, 2)) continue;
    for (int k = 1; k <= lines; ++k) threatened.push_back(game4d::unitLine(variant, unit, k));
  }
  std::vector<int> candidates;
  for (int line = 1; line <= game4d::kLineCount; ++line) {
    if (p.lineowner[line] != 0 || keptBack(line, variant, halfLevel)) continue;
    if (std::ranges::find(threatened, line) != threatened.end()) continue;
    candidates.push_back(line);
  }
  if (candidates.empty()) {
    for (int line = 1; line <= game4d::kLineCount; ++line) {
      if (p.lineowner[line] == 0 && !(halfLevel && game4d::closedAtHalfLevel(line)))
        candidates.push_back(line);
    }
  }
  if (candidates.empty()) return choice;
  const int n = static_cast<int>(candidates.size());
  const int r = std::clamp(static_cast<int>(random() * n + 1), 1, n);
  choice.play = Play::kOrdinary;
  choice.line = candidates[r - 1];
  return choice;
}

}  // namespace dorvan::ai4d
