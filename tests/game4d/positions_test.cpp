#include "game4d/positions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "game4d/click_targets.h"
#include "game4d/diagram.h"

namespace dorvan::game4d {
namespace {

std::set<int> cellsOfLines(const std::vector<int>& lines) {
  std::set<int> result;
  for (int line : lines) {
    for (const Incidence& in : linecells[line]) result.insert(in.number);
  }
  return result;
}

// Lines meet at one corner exactly when together they touch four cells, no two opposite.
bool meetAtOneCorner(const std::vector<int>& lines) {
  const std::set<int> touched = cellsOfLines(lines);
  return touched.size() == 4 &&
         std::ranges::none_of(touched, [&](int c) { return touched.contains(cells[c].opposite); });
}

TEST(ScreenPositions, ClickOrderNamesTheCellsOfTheLineShownThere) {
  for (int position = 1; position <= kPositionCount; ++position) {
    const auto& order = screenpositions[position].cells;
    EXPECT_EQ(std::set<int>(order.begin(), order.end()), cellsOfLines({position})) << position;
  }
}

TEST(ScreenPositions, EachFrameDrawsTheLinesOfItsHomeCell) {
  for (int frame = 1; frame <= kFrameCount; ++frame) {
    std::set<int> lines;
    for (int element = 1; element <= kElementsPerFrame; ++element) {
      const DrawingLinePlace place = drawinglineplaces[frame][element];
      ASSERT_TRUE(isPosition(place.position)) << "frame " << frame << " element " << element;
      EXPECT_EQ(drawinglines(place.position)[place.slot], (DrawingLine{frame, element}));
      lines.insert(place.position);
    }
    const auto& row = celllines[homeCellOfFrame(frame)];
    EXPECT_EQ(lines, std::set<int>(row.begin() + 1, row.end())) << "frame " << frame;
  }
}

TEST(ScreenPositions, HalfLevelClosesTheLinesOutsideTheFourShownCells) {
  const std::set<int> hidden{kRedCell, kYellowCell, kLightBlueCell, kBlackCell};
  std::vector<int> closed;
  for (int position = 1; position <= kPositionCount; ++position) {
    const bool inNoShownCell = std::ranges::includes(hidden, cellsOfLines({position}));
    EXPECT_EQ(screenpositions[position].closedAtHalfLevel, inNoShownCell) << position;
    if (inNoShownCell) closed.push_back(position);
  }
  EXPECT_EQ(closed, (std::vector<int>{1, 4, 6, 26}));
  EXPECT_TRUE(meetAtOneCorner(closed));
}

TEST(ScreenPositions, HiddenCornersAreTheFarCornersOfEachView) {
  const std::vector<int> main(hiddenCornerMain.begin(), hiddenCornerMain.end());
  const std::vector<int> second(hiddenCornerSecond.begin(), hiddenCornerSecond.end());
  EXPECT_TRUE(meetAtOneCorner(main) && meetAtOneCorner(second));
  EXPECT_EQ(cellsOfLines(main), (std::set<int>{kPurpleCell, kGreenCell, kBlueCell, kBlackCell}));
  EXPECT_EQ(cellsOfLines(second),
            (std::set<int>{kRedCell, kYellowCell, kWhiteCell, kLightBlueCell}));
}

// `a`k holds three lines of frame k's cell that meet at one corner; `Line1` and `Line2` hold
// the four lines of two opposite corners.
TEST(SmallDiagram, ElementsFollowTheShapeOfTheTesseract) {
  std::set<std::tuple<DiagramArray, int, int>> seen;
  std::array<std::vector<int>, kFrameCount + 1> a;
  std::array<std::vector<int>, 3> line;
  for (int position = 1; position <= kPositionCount; ++position) {
    const DiagramElement e = screenpositions[position].diagram;
    EXPECT_TRUE(seen.insert({e.array, e.number, e.index}).second) << "position " << position;
    EXPECT_EQ(positionOfDiagramElement(e), position);
    if (e.array == DiagramArray::a && isFrame(e.number) && e.index >= 1 && e.index <= 3) {
      a[e.number].push_back(position);
    } else if (e.array == DiagramArray::Line && (e.number == 1 || e.number == 2)) {
      line[e.number].push_back(position);
    }
  }
  for (int frame = 1; frame <= kFrameCount; ++frame) {
    ASSERT_EQ(a[frame].size(), 3u);
    EXPECT_EQ(cellsOfLines(a[frame]).size(), 4u) << "a" << frame << " is no corner";
    for (int l : a[frame]) EXPECT_TRUE(cellsOfLines({l}).contains(homeCellOfFrame(frame)));
  }
  EXPECT_TRUE(meetAtOneCorner(line[1]) && meetAtOneCorner(line[2]));
  std::set<int> both = cellsOfLines(line[1]);
  both.merge(cellsOfLines(line[2]));
  EXPECT_EQ(both.size(), 8u) << "Line1 and Line2 should stand at opposite corners";

  const DiagramElement line10{DiagramArray::Line, 10, 2};
  EXPECT_EQ(screenpositions[27].alsoDiagram, line10);
  EXPECT_EQ(diagramColour(line10), diagramColour(screenpositions[27].diagram));
}

TEST(ClickTargets, ElementsStandForTheirScreenPositions) {
  auto elementsOf = [](int position) {
    const Label2Elements found = label2Elements(position);
    return std::vector<int>(found.begin(), found.end());
  };
  EXPECT_EQ(label2[41].position, 0);
  EXPECT_TRUE(elementsOf(0).empty());
  EXPECT_EQ(elementsOf(5), (std::vector<int>{4, 5, 43, 44, 46}));
  EXPECT_EQ(elementsOf(25), (std::vector<int>{32, 33, 42, 48}));
  for (int position = 1; position <= kPositionCount; ++position) {
    EXPECT_FALSE(elementsOf(position).empty()) << "position " << position;
  }
}

}  // namespace
}  // namespace dorvan::game4d
