#pragma once
// Which cells a set of lines touches, and whether the lines meet at one corner of the tesseract.

#include <algorithm>
#include <set>
#include <vector>

#include "game4d/cells.h"
#include "game4d/incidence.h"

namespace dorvan::game4d {

inline std::set<int> cellsOfLines(const std::vector<int>& lines) {
  std::set<int> result;
  for (int line : lines) {
    for (const Incidence& in : linecells[line]) result.insert(in.number);
  }
  return result;
}

// Lines meet at one corner exactly when together they touch four cells, no two opposite.
inline bool meetAtOneCorner(const std::vector<int>& lines) {
  const std::set<int> touched = cellsOfLines(lines);
  return touched.size() == 4 &&
         std::ranges::none_of(touched, [&](int c) { return touched.contains(cells[c].opposite); });
}

}  // namespace dorvan::game4d
