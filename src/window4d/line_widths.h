#pragma once
// Border widths of the tesseract's drawing: how a free line, a drawn one and the highlights of
// the last move and of the computer's line look.

namespace dorvan::window4d::widths {

inline constexpr int kFree = 1;
inline constexpr int kDrawn = 4;
// Screen position 1 of the second view lies close to its neighbours and is drawn thinner.
inline constexpr int kDrawnSecondViewFirst = 3;
inline constexpr int kDiagramDrawn = 2;
// The last line of each side, over its drawing lines (`pow` in the main view, `slam` in the
// second).
inline constexpr int kHighlightMain = 7;
inline constexpr int kHighlightSecond = 6;
// The computer's line while it is shown, green, for a second.
inline constexpr int kComputerMain = 20;
inline constexpr int kComputerSecond = 10;

}  // namespace dorvan::window4d::widths
