#include <gtest/gtest.h>

#include <string_view>
#include <utility>

#include "view4d/pair_boxes.h"
#include "window4d/form2_texts.h"

namespace dorvan::window4d {
namespace {

using namespace game4d;

// The colour words of the boxes' captions, which spell some colours their own way.
int cellOfCaptionWord(std::string_view word) {
  while (word.starts_with(' ')) word.remove_prefix(1);
  constexpr std::pair<std::string_view, int> words[] = {
      {"Yellow", kYellowCell}, {"Red", kRedCell},           {"Purple", kPurpleCell},
      {"Blue", kBlueCell},     {"Green", kGreenCell},       {"Black", kBlackCell},
      {"White", kWhiteCell},   {"L. Blue", kLightBlueCell}, {"L.Blue", kLightBlueCell}};
  for (const auto& [text, cell] : words)
    if (word == text) return cell;
  return 0;
}

TEST(PairBoxes, EachBoxNamesTheCellsOfItsCaption) {
  for (int box = 1; box <= view4d::kPairBoxCount; ++box) {
    const std::string_view caption = texts::kCheck4[box];
    const std::size_t slash = caption.find(" / ");
    ASSERT_NE(slash, std::string_view::npos) << caption;
    EXPECT_EQ(view4d::pairboxes[box].first, cellOfCaptionWord(caption.substr(0, slash))) << caption;
    EXPECT_EQ(view4d::pairboxes[box].second, cellOfCaptionWord(caption.substr(slash + 3)))
        << caption;
  }
}

}  // namespace
}  // namespace dorvan::window4d
