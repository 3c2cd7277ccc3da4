#include "game4d/colour_lookup.h"

#include <gtest/gtest.h>

#include <array>

#include "game4d/positions.h"

namespace dorvan::game4d {
namespace {

using FrameColours = std::array<Colour, kFrameCount + 1>;

FrameColours homeColours() {
  FrameColours colours{};
  for (int frame = 1; frame <= kFrameCount; ++frame) colours[frame] = homeColourOfFrame(frame);
  return colours;
}

int lineReadAt(int position, const FrameColours& frames) {
  const auto lines = drawinglines(position);
  return lineFromColours(frames[lines[0].frame], frames[lines[1].frame], frames[lines[2].frame]);
}

TEST(ColourLookup, EachPositionShowsItsOwnLineBeforeAnyTurn) {
  const FrameColours home = homeColours();
  for (int position = 1; position <= kPositionCount; ++position) {
    EXPECT_EQ(lineReadAt(position, home), position);
  }
}

// A turn moves the colours of four frames one step along a cycle. Whatever the turn, every line
// must still be shown at exactly one position, even where its colours now come in another order.
TEST(ColourLookup, EveryTurnStillShowsEachLineOnce) {
  const std::array<std::array<int, 4>, 6> cycles{
      {{1, 2, 3, 4}, {1, 7, 3, 5}, {2, 7, 4, 5}, {5, 6, 7, 8}, {2, 8, 4, 6}, {1, 6, 3, 8}}};
  const FrameColours home = homeColours();
  for (const auto& cycle : cycles) {
    for (int steps = 1; steps <= 3; ++steps) {
      FrameColours turned = home;
      for (int j = 0; j < 4; ++j) turned[cycle[j]] = home[cycle[(j + steps) % 4]];
      std::array<int, kLineCount + 1> shown{};
      for (int position = 1; position <= kPositionCount; ++position) {
        const int line = lineReadAt(position, turned);
        ASSERT_TRUE(isLine(line)) << "position " << position;
        ++shown[line];
      }
      for (int line = 1; line <= kLineCount; ++line) EXPECT_EQ(shown[line], 1) << "line " << line;
    }
  }
}

TEST(ColourLookup, CellsThatMeetInNoLineNameNoLine) {
  EXPECT_EQ(lineOfCells(kRedCell, kRedCell, kBlackCell), 0);
  EXPECT_EQ(lineOfCells(kRedCell, kBlueCell, kBlackCell), 0);  // red and blue are opposite
  EXPECT_EQ(lineOfCells(0, kRedCell, kBlackCell), 0);
  EXPECT_EQ(lineOfCells(kRedCell, kBlackCell, 9), 0);
  // Black is recognised by the window-text colour alone.
  EXPECT_EQ(lineFromColours(0x00FFFF, 0x0000FF, 0x000000), 0);
  EXPECT_EQ(lineFromColours(0x00FFFF, 0x0000FF, kWindowText), 1);
  EXPECT_EQ(lineFromColours(kWindowText, 0x00FFFF, 0x0000FF), 1);
}

}  // namespace
}  // namespace dorvan::game4d
