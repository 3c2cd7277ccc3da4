#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "game3d/lattice_tables.h"

namespace dorvan::game3d {
namespace {

struct Point {
  int depth, width, level;
  auto operator<=>(const Point&) const = default;
};

// Coordinates read back from a move name, so the geometry checks do not trust the tables.
std::pair<Point, Point> endsOf(int line) {
  const std::string_view name = moveName(line);
  auto at = [&](std::size_t i) {
    return Point{static_cast<int>(std::string_view("fmb").find(name[i])),
                 static_cast<int>(std::string_view("lcr").find(name[i + 1])), name[i + 2] - '1'};
  };
  return {at(0), at(3)};
}

std::set<Point> cornersOf(std::span<const int> lines) {
  std::set<Point> corners;
  for (int line : lines) {
    auto [a, b] = endsOf(line);
    corners.insert(a);
    corners.insert(b);
  }
  return corners;
}

// Extent of a set of points along each axis.
Point span(const std::set<Point>& points) {
  auto extent = [&](int Point::*axis) {
    auto [lo, hi] = std::minmax_element(points.begin(), points.end(),
                                        [&](auto& a, auto& b) { return a.*axis < b.*axis; });
    return (*hi).*axis - (*lo).*axis;
  };
  return {extent(&Point::depth), extent(&Point::width), extent(&Point::level)};
}

TEST(LatticeTables, LinesAreTheFiftyFourUnitEdgesInTheirNumberedOrder) {
  std::set<std::pair<Point, Point>> seen;
  for (int line = 1; line <= kLineCount; ++line) {
    auto [a, b] = endsOf(line);
    const int apart =
        std::abs(a.depth - b.depth) + std::abs(a.width - b.width) + std::abs(a.level - b.level);
    EXPECT_EQ(apart, 1) << line;
    EXPECT_TRUE(seen.insert(std::minmax(a, b)).second) << line;
  }
  for (int line = 1; line <= 24; ++line) {  // n + 12 lies directly below n
    EXPECT_EQ(endsOf(line + 12).first.level, endsOf(line).first.level - 1);
    EXPECT_EQ(endsOf(line + 12).first.depth, endsOf(line).first.depth);
  }
  for (int line = 37; line <= 45; ++line) {
    EXPECT_EQ(endsOf(line).first.level, 2) << "verticals 37..45 start on top";
    EXPECT_EQ(endsOf(line + 9).first.level, 1);
  }
}

TEST(LatticeTables, EverySquareAndCubeIsClosedByItsSlots) {
  for (int square = 1; square <= kSquareCount; ++square) {
    const std::span<const int> sides(&sqlines[square][1], kSquareSides);
    const std::set<Point> corners = cornersOf(sides);
    ASSERT_EQ(corners.size(), 4u) << square;
    const Point extent = span(corners);
    EXPECT_EQ(extent.depth + extent.width + extent.level, 2) << square;
  }
  for (int cube = 1; cube <= kCubeCount; ++cube) {
    const std::span<const int> edges(&cubelines[cube][1], kCubeEdges);
    EXPECT_EQ(std::set<int>(edges.begin(), edges.end()).size(), 12u);
    EXPECT_EQ(span(cornersOf(edges)), (Point{1, 1, 1})) << cube;
    // Upper face, verticals, lower face; the faces are the horizontal squares above and below.
    const int top = endsOf(cubelines[cube][1]).first.level;
    for (int e = 1; e <= 4; ++e) {
      EXPECT_EQ(cubelines[cube][e], sqlines[cube][e]);
      EXPECT_EQ(cubelines[cube][e + 8], sqlines[cube + 4][e]);
      auto [a, b] = endsOf(cubelines[cube][e + 4]);
      EXPECT_NE(a.level, b.level);
      EXPECT_EQ(endsOf(cubelines[cube][e + 8]).first.level, top - 1);
    }
  }
}

TEST(LatticeTables, ViewsAgreeWithTheWrittenTables) {
  EXPECT_EQ((std::vector<int>(sqlines[1].begin() + 1, sqlines[1].end())),
            (std::vector<int>{1, 11, 3, 12}));
  EXPECT_EQ((std::vector<int>(sqlines[17].begin() + 1, sqlines[17].end())),
            (std::vector<int>{11, 41, 23, 38}));
  EXPECT_EQ((std::vector<int>(sqlines[36].begin() + 1, sqlines[36].end())),
            (std::vector<int>{14, 48, 26, 47}));
  EXPECT_EQ((std::vector<int>(cubelines[8].begin() + 1, cubelines[8].end())),
            (std::vector<int>{16, 19, 18, 20, 50, 51, 53, 54, 28, 31, 30, 32}));

  // Every place a line claims holds that line in the derived tables, and the counts match.
  int squarePlaces = 0, cubePlaces = 0;
  for (int line = 1; line <= kLineCount; ++line) {
    for (const Slot& s : squaresOf(line)) EXPECT_EQ(sqlines[s.box][s.slot], line);
    for (const Slot& c : cubesOf(line)) EXPECT_EQ(cubelines[c.box][c.slot], line);
    squarePlaces += static_cast<int>(squaresOf(line).size());
    cubePlaces += static_cast<int>(cubesOf(line).size());
    const std::size_t expectedCubes[] = {0, 0, 1, 2, 4};
    EXPECT_EQ(cubesOf(line).size(), expectedCubes[squaresOf(line).size()]) << line;
  }
  EXPECT_EQ(squarePlaces, kSquareCount * kSquareSides);
  EXPECT_EQ(cubePlaces, kCubeCount * kCubeEdges);
  for (int line : {15, 16, 20, 23, 41, 50}) EXPECT_EQ(squaresOf(line).size(), 4u) << line;
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
  EXPECT_EQ(lineOfMoveName("br2br1"), 54);
}

TEST(MoveNames, PointTextsSpellTheNamedPoints) {
  const LineDisplay first = lineDisplay(1);
  EXPECT_EQ(first.start, "F-L-3");
  EXPECT_EQ(first.end, "M-L-3");
  EXPECT_EQ(first.name, "fl3ml3");
  EXPECT_EQ(startPoint(41), "M-C-3");
  EXPECT_EQ(endPoint(54), "B-R-1");
  EXPECT_EQ(moveName(0), "");
  EXPECT_EQ(startPoint(55), "");
}

}  // namespace
}  // namespace dorvan::game3d
