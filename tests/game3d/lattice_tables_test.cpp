#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "game3d/lattice_tables.h"

namespace dorvan::game3d {
namespace {

using Point = std::array<int, 3>;  // depth, width, level, read back from a move name

Point pointAt(std::string_view name, std::size_t at) {
  return {static_cast<int>(std::string_view("fmb").find(name[at])),
          static_cast<int>(std::string_view("lcr").find(name[at + 1])), name[at + 2] - '0'};
}

// The corners a set of lines touches, and how many distinct values they take on each axis:
// a unit square has {2, 2, 1} in some order, a unit cube {2, 2, 2}.
std::pair<std::set<Point>, int> corners(std::span<const int> lines) {
  std::set<Point> points;
  for (int line : lines) {
    points.insert(pointAt(moveName(line), 0));
    points.insert(pointAt(moveName(line), 3));
  }
  int axesUsed = 0;
  for (int axis = 0; axis < 3; ++axis) {
    std::set<int> values;
    for (const Point& p : points) values.insert(p[axis]);
    axesUsed += static_cast<int>(values.size()) - 1;
  }
  return {points, axesUsed};
}

std::vector<int> slots(std::span<const int> row) {
  return {row.begin() + 1, row.end()};
}

TEST(LatticeTables, EverySlotHoldsAnEdgeOfItsSquareOrCube) {
  std::set<std::set<Point>> distinctLines;
  for (int line = 1; line <= kLineCount; ++line) {
    auto [ends, axes] = corners(std::span<const int>(&line, 1));
    EXPECT_EQ(axes, 1) << "line " << line << " joins two neighbouring points";
    distinctLines.insert(ends);
  }
  EXPECT_EQ(distinctLines.size(), 54u);
  for (int square = 1; square <= kSquareCount; ++square) {
    auto [points, axes] = corners(slots(sqlines[square]));
    EXPECT_EQ(points.size(), 4u) << square;
    EXPECT_EQ(axes, 2) << square;
  }
  for (int cube = 1; cube <= kCubeCount; ++cube) {
    const std::vector<int> edges = slots(cubelines[cube]);
    EXPECT_EQ(std::set<int>(edges.begin(), edges.end()).size(), 12u) << cube;
    EXPECT_EQ(corners(edges).second, 3) << cube;
    // Edges 1..4 are the square above, 9..12 the square below, 5..8 the verticals.
    for (int e = 1; e <= 4; ++e) {
      EXPECT_EQ(cubelines[cube][e], sqlines[cube][e]);
      EXPECT_EQ(cubelines[cube][e + 8], sqlines[cube + 4][e]);
      EXPECT_GE(cubelines[cube][e + 4], 37);
    }
  }
}

TEST(LatticeTables, EachLinesBoxesNameItInTheirSlots) {
  for (int line = 1; line <= kLineCount; ++line) {
    for (const Slot& s : squaresOf(line)) EXPECT_EQ(sqlines[s.box][s.slot], line);
    for (const Slot& c : cubesOf(line)) EXPECT_EQ(cubelines[c.box][c.slot], line);
    // Outer edges border 2 squares and 1 cube, inner lines 4 and 4, the rest 3 and 2.
    const std::size_t cubesBySquares[] = {0, 0, 1, 2, 4};
    EXPECT_EQ(cubesOf(line).size(), cubesBySquares[squaresOf(line).size()]) << line;
  }
}

TEST(MoveNames, OnlyTheExactNameOfALineIsAccepted) {
  for (int line = 1; line <= kLineCount; ++line) {
    EXPECT_EQ(lineOfMoveName(moveName(line)), line);
    const std::string name(moveName(line));
    EXPECT_EQ(lineOfMoveName(name.substr(3) + name.substr(0, 3)), 0) << "reversed " << name;
  }
  for (const char* text : {"", "FL3ML3", " fl3ml3", "fl3ml3 ", "fl3ml", "fl3ml3fl3ml3"}) {
    EXPECT_EQ(lineOfMoveName(text), 0) << '"' << text << '"';
  }
}

}  // namespace
}  // namespace dorvan::game3d
