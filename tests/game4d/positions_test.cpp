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

}  // namespace
}  // namespace dorvan::game4d
