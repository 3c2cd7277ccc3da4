#include "window4d/diagram.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

#include "game4d/corners.h"

namespace dorvan::window4d {
namespace {

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

}  // namespace
}  // namespace dorvan::window4d
