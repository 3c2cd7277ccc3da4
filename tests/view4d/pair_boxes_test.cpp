#include "view4d/pair_boxes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace dorvan::view4d {
namespace {

using namespace game4d;

TEST(PairBoxes, EachBoxMarksADifferentSquareOfItsTwoCells) {
  std::set<int> squares;
  for (int box = 1; box <= kPairBoxCount; ++box) {
    const CellPair pair = pairboxes[box];
    EXPECT_NE(cells[pair.first].opposite, pair.second) << "box " << box;
    const int square = pairBoxSquare(box);
    ASSERT_TRUE(isSquare(square)) << "box " << box;
    const std::set<int> between{squarecells[square][0], squarecells[square][1]};
    EXPECT_EQ(between, (std::set<int>{pair.first, pair.second}));
    squares.insert(square);
  }
  EXPECT_EQ(squares.size(), static_cast<std::size_t>(kPairBoxCount));
  EXPECT_EQ(squareOfCells(kYellowCell, kPurpleCell), 0);
  EXPECT_EQ(squareOfCells(kBlackCell, kWhiteCell), 0);
}

// Every cell colour has channels of 0 or 255 only.
bool fullChannels(Colour colour, int shift) {
  return channel(colour, shift) == 0xFF;
}

TEST(PairBoxes, EveryCaptionIsReadableAndKeepsItsColours) {
  for (int box = 1; box <= kPairBoxCount; ++box) {
    const Colour first = seenColourOfCell(pairboxes[box].first);
    const Colour second = seenColourOfCell(pairboxes[box].second);
    const Colour background = pairBoxBackground(box);
    const Colour text = pairBoxText(box);
    SCOPED_TRACE("box " + std::to_string(box));
    EXPECT_GE(contrastRatio(text, background), kReadableContrast);
    EXPECT_GE(relativeLuminance(background), kLightShadeLuminance);
    std::set<int> textChannels;
    for (int shift : {kRedShift, kGreenShift, kBlueShift}) {
      // The background is the first colour with white mixed in: its full channels stay full,
      // the others rise only part of the way.
      if (fullChannels(first, shift))
        EXPECT_EQ(channel(background, shift), 0xFF);
      else
        EXPECT_LT(channel(background, shift), 0xF0);
      // The text is the second colour dimmed evenly: its empty channels stay empty, and enough
      // is left to tell the colour from black.
      if (fullChannels(second, shift))
        textChannels.insert(channel(text, shift));
      else
        EXPECT_EQ(channel(text, shift), 0);
    }
    if (second == 0x000000) continue;
    EXPECT_EQ(textChannels.size(), 1u);
    EXPECT_GE(*textChannels.begin(), 0x50);
  }
}

}  // namespace
}  // namespace dorvan::view4d
