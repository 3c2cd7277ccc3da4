#pragma once
// The click targets `Label2`(0 to 50) of the 4D window: the screen position each stands for and
// the rectangle it covers once the window has loaded.

#include <array>

#include "common/geometry.h"
#include "game4d/positions.h"

namespace dorvan::window4d {

// The window draws and plays the engine's tesseract: its names are this window's vocabulary.
using namespace game4d;

inline constexpr int kLabel2Count = 51;  // elements 0 to 50

struct Label2Target {
  int position = 0;  // 0: the element stands for no screen position and a click does nothing
  Rect rect;
};

// Indexed by `Label2` element. Elements 47 to 50 lie over the second view, the others over the
// main view.
inline constexpr std::array<Label2Target, kLabel2Count> label2{{
    /* 0 */ {1, {1080, 1080, 6375, 255}},
    /* 1 */ {2, {3840, 120, 5775, 255}},
    /* 2 */ {3, {600, 240, 2655, 735}},
    /* 3 */ {4, {7200, 360, 1695, 495}},
    /* 4 */ {5, {8520, 960, 735, 615}},
    /* 5 */ {5, {7200, 1800, 495, 855}},
    /* 6 */ {6, {6240, 1440, 1215, 735}},
    /* 7 */ {6, {6120, 1920, 735, 615}},
    /* 8 */ {7, {3720, 1440, 975, 1575}},
    /* 9 */ {8, {3360, 1320, 255, 1815}},
    /* 10 */ {8, {3240, 3720, 255, 1455}},
    /* 11 */ {9, {3600, 3720, 255, 1215}},
    /* 12 */ {10, {3840, 3120, 615, 375}},
    /* 13 */ {11, {4680, 2880, 975, 375}},
    /* 14 */ {12, {5640, 3360, 375, 375}},
    /* 15 */ {13, {6000, 3360, 255, 1215}},
    /* 16 */ {14, {5640, 4920, 495, 375}},
    /* 17 */ {15, {5520, 4560, 495, 255}},
    /* 18 */ {15, {4680, 4560, 615, 255}},
    /* 19 */ {16, {5280, 3720, 255, 1455}},
    /* 20 */ {17, {4440, 3720, 255, 855}},
    /* 21 */ {18, {3960, 4680, 495, 375}},
    /* 22 */ {19, {3960, 5160, 1335, 255}},
    /* 23 */ {20, {3720, 5400, 495, 615}},
    /* 24 */ {21, {1440, 6240, 1215, 615}},
    /* 25 */ {21, {1680, 5520, 1575, 735}},
    /* 26 */ {22, {2520, 6480, 855, 615}},
    /* 27 */ {22, {1800, 6840, 735, 615}},
    /* 28 */ {23, {5640, 5400, 855, 615}},
    /* 29 */ {23, {6600, 6600, 1095, 1215}},
    /* 30 */ {24, {6240, 4680, 1335, 855}},
    /* 31 */ {24, {8040, 5400, 975, 615}},
    /* 32 */ {25, {3960, 6120, 2175, 375}},
    /* 33 */ {25, {6840, 6120, 855, 375}},
    /* 34 */ {26, {7680, 1320, 255, 6615}},
    /* 35 */ {27, {9600, 600, 255, 5415}},
    /* 36 */ {28, {120, 1440, 255, 6135}},
    /* 37 */ {29, {960, 7920, 6615, 375}},
    /* 38 */ {30, {8040, 6600, 1695, 1335}},
    /* 39 */ {31, {600, 1560, 2655, 1815}},
    /* 40 */ {32, {3840, 3480, 1455, 255}},
    /* 41 */ {0, {}},
    /* 42 */ {25, {8040, 6120, 1095, 450}},
    /* 43 */ {5, {8040, 1200, 615, 735}},
    /* 44 */ {5, {6960, 2250, 495, 735}},
    /* 45 */ {6, {5880, 2280, 615, 495}},
    /* 46 */ {5, {6720, 2520, 375, 615}},
    /* 47 */ {8, {12720, 2040, 255, 1335}},
    /* 48 */ {25, {11400, 1920, 1335, 255}},
    /* 49 */ {20, {12960, 1080, 735, 735}},
    /* 50 */ {22, {13290, 1590, 375, 375}},
}};

// The `Label2` elements of one screen position, ascending.
struct Label2Elements {
  std::array<int, kLabel2Count> element{};
  int count = 0;
  constexpr const int* begin() const { return element.data(); }
  constexpr const int* end() const { return element.data() + count; }
};

constexpr Label2Elements label2Elements(int position) {
  Label2Elements result;
  for (int element = 0; element < kLabel2Count; ++element) {
    if (label2[element].position == position && position != 0) {
      result.element[result.count++] = element;
    }
  }
  return result;
}

}  // namespace dorvan::window4d
