#pragma once
// Where the tesseract window puts what is not the drawing. The window is as wide as the screen
// and 500 twips less high, so everything here fits a 1280 x 800 screen (a client area of about
// 19100 x 10700 twips) and simply leaves room to spare on larger ones.
//
//   main view        x 120..9960,   y 120..8200   (with the click targets over it)
//   second view      x 10000..15140, y 160..4760
//   small diagram    x 10080..12930, y 4920..6910 (game4d/diagram.h)
//   bottom band      under the main view: variant, player, scores, turn signs, status, clock
//   right column     x 15360..19080: turning buttons, cell check boxes, view options
//   score panel      under the small diagram, shown on demand

#include "common/geometry.h"

namespace dorvan::window4d::layout {

inline constexpr Rect kMainView{120, 120, 9840, 8080};
inline constexpr Rect kSecondView{10000, 160, 5140, 4600};

inline constexpr int kLabelHeight = 240;
inline constexpr int kRowStep = 270;

// The bottom band: two rows of counters, the status line beside them.
inline constexpr int kBandTop = 8400;
inline constexpr int kBandRow2 = kBandTop + 330;
inline constexpr int kBandRow3 = kBandRow2 + kRowStep;
inline constexpr int kStatusLeft = 5040;

// The right column.
inline constexpr int kColumnLeft = 15360;
inline constexpr int kColumnWidth = 3720;
inline constexpr int kHalfColumn = 1860;  // two check boxes or frames side by side
inline constexpr int kTurnTop = 120;
inline constexpr int kButtonWidth = 480;
inline constexpr int kButtonHeight = 360;
inline constexpr int kButtonStepX = 540;
inline constexpr int kButtonStepY = 390;
inline constexpr int kFrameInsetX = 90;
inline constexpr int kFrameInsetTop = 270;
inline constexpr int kCheck1Top = 1980;
inline constexpr int kOptionsTop = kCheck1Top + 5 * kRowStep + 150;
inline constexpr int kCheck4Top = kOptionsTop + kRowStep + 150;

// The cumulative scores, below the small diagram.
inline constexpr Rect kScorePanel{10080, 7080, 5040, 3000};

}  // namespace dorvan::window4d::layout
