#include "game4d/incidence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace dorvan::game4d {
namespace {

std::string describe(const std::array<Incidence, 3>& places) {
  std::string text;
  for (const Incidence& in : places) {
    if (!text.empty()) text += ' ';
    text += std::to_string(in.number) + "(" + std::to_string(in.position) + ")";
  }
  return text;
}

std::set<int> linesOfCell(int cell) {
  return {celllines[cell].begin() + 1, celllines[cell].end()};
}

// Every (square, position) and (cell, position) pair the window addresses, line by line, as
// the line table lists them. A slip in either hand-written table shows up here.
TEST(Incidence, LinesSitAtTheListedPlacesOfTheirSquaresAndCells) {
  const std::array<const char*, kLineCount + 1> expected{
      "",
      "1(1) 5(1) 16(2)|1(1) 2(1) 3(1)",
      "3(1) 5(2) 14(2)|1(2) 2(2) 5(1)",
      "4(1) 5(3) 13(1)|1(3) 2(3) 4(1)",
      "2(1) 5(4) 15(2)|1(4) 2(4) 6(1)",
      "14(3) 15(1) 23(2)|2(6) 5(5) 6(5)",
      "15(3) 16(1) 24(2)|2(7) 3(6) 6(6)",
      "13(2) 14(1) 22(2)|2(8) 4(5) 5(6)",
      "3(2) 4(4) 22(1)|1(5) 4(2) 5(2)",
      "7(4) 10(2) 21(3)|3(11) 4(9) 7(5)",
      "10(1) 11(2) 13(3)|2(9) 4(10) 7(1)",
      "9(1) 11(3) 14(4)|2(10) 5(9) 7(2)",
      "8(2) 11(4) 15(4)|2(11) 6(9) 7(3)",
      "8(3) 9(4) 23(3)|5(10) 6(10) 7(6)",
      "8(4) 12(4) 19(2)|6(11) 7(9) 8(1)",
      "9(3) 12(3) 18(2)|5(11) 7(10) 8(2)",
      "7(2) 8(1) 24(3)|3(10) 6(12) 7(7)",
      "9(2) 10(4) 22(3)|4(11) 5(12) 7(8)",
      "10(3) 12(2) 17(2)|4(12) 7(11) 8(3)",
      "7(3) 12(1) 20(2)|3(12) 7(12) 8(4)",
      "17(3) 18(1) 22(4)|4(6) 5(7) 8(5)",
      "17(1) 20(3) 21(4)|3(8) 4(7) 8(6)",
      "4(3) 6(1) 17(4)|1(9) 4(3) 8(10)",
      "19(3) 20(1) 24(4)|3(7) 6(7) 8(7)",
      "18(3) 19(1) 23(4)|5(8) 6(8) 8(8)",
      "3(3) 6(4) 18(4)|1(10) 5(3) 8(9)",
      "1(2) 2(4) 24(1)|1(6) 3(2) 6(3)",
      "2(2) 3(4) 23(1)|1(7) 5(4) 6(2)",
      "1(4) 4(2) 21(1)|1(8) 3(3) 4(4)",
      "1(3) 6(2) 20(4)|1(11) 3(4) 8(11)",
      "2(3) 6(3) 19(4)|1(12) 6(4) 8(12)",
      "13(4) 16(3) 21(2)|2(5) 3(5) 4(8)",
      "7(1) 11(1) 16(4)|2(12) 3(9) 7(4)",
  };
  for (int line = 1; line <= kLineCount; ++line) {
    EXPECT_EQ(describe(linesquares[line]) + "|" + describe(linecells[line]), expected[line])
        << "line " << line;
  }
}

TEST(Incidence, CellsHaveTheListedSquares) {
  const std::array<std::array<int, 6>, kCellCount + 1> squaresOfCell{{
      {},
      {1, 2, 3, 4, 5, 6},
      {5, 11, 13, 14, 15, 16},
      {1, 7, 16, 20, 21, 24},
      {4, 10, 13, 17, 21, 22},
      {3, 9, 14, 18, 22, 23},
      {2, 8, 15, 19, 23, 24},
      {7, 8, 9, 10, 11, 12},
      {6, 12, 17, 18, 19, 20},
  }};
  EXPECT_EQ(cellsquares, squaresOfCell);
  for (int square = 1; square <= kSquareCount; ++square) {
    for (int cell : squarecells[square])
      EXPECT_EQ(std::ranges::count(cellsquares[cell], square), 1);
  }
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
