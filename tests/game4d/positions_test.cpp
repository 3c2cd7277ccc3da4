#include "game4d/positions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "game4d/corners.h"

namespace dorvan::game4d {
namespace {

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

}  // namespace
}  // namespace dorvan::game4d
