#include "game4d/incidence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace dorvan::game4d {
namespace {

std::set<int> linesOfCell(int cell) {
  return {celllines[cell].begin() + 1, celllines[cell].end()};
}

TEST(Incidence, OppositeCellsShareNothingAndOtherPairsShareOneSquare) {
  for (int a = 1; a <= kCellCount; ++a) {
    EXPECT_EQ(cells[cells[a].opposite].opposite, a);
    for (int b = a + 1; b <= kCellCount; ++b) {
      std::set<int> commonLines;
      std::ranges::set_intersection(linesOfCell(a), linesOfCell(b),
                                    std::inserter(commonLines, commonLines.end()));
      const auto commonSquares = std::ranges::count_if(
          cellsquares[a], [&](int square) { return std::ranges::count(cellsquares[b], square); });
      if (cells[a].opposite == b) {
        EXPECT_TRUE(commonLines.empty()) << a << " and " << b;
        EXPECT_EQ(commonSquares, 0) << a << " and " << b;
      } else {
        EXPECT_EQ(commonLines.size(), 4u) << a << " and " << b;
        EXPECT_EQ(commonSquares, 1) << a << " and " << b;
      }
    }
  }
}

}  // namespace
}  // namespace dorvan::game4d
