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
