#pragma once
// The eight cubic cells of the tesseract: how each one looks on screen, which cell lies
// opposite it, and which frame of the drawing shows it before any turn.

#include <array>
#include <cstdint>
#include <string_view>

#include "common/colour.h"

namespace dorvan::game4d {

inline constexpr int kCellCount = 8;
inline constexpr int kFrameCount = 8;

inline constexpr int kBlackCell = 1;
inline constexpr int kRedCell = 2;
inline constexpr int kYellowCell = 3;
inline constexpr int kGreenCell = 4;
inline constexpr int kPurpleCell = 5;
inline constexpr int kLightBlueCell = 6;
inline constexpr int kWhiteCell = 7;
inline constexpr int kBlueCell = 8;

struct CellInfo {
  std::string_view colourName;
  std::string_view code;  // what the click handler records for a line's cells
  Colour display;
  int opposite;
  int frame;  // `L`frame and `m`frame draw this cell before any turn
};

// Indexed by cell number; entry 0 stands for no cell.
inline constexpr std::array<CellInfo, kCellCount + 1> cells{{
    {},
    {"black", "black", kWindowText,  // follows the desktop's text colour
     kWhiteCell, 8},
    {"red", "red", 0x0000FF, kBlueCell, 2},
    {"yellow", "yellow", 0x00FFFF, kPurpleCell, 1},
    {"green", "green", 0x00FF00, kLightBlueCell, 5},
    {"purple", "mag", 0xFF00FF, kYellowCell, 3},
    {"light blue", "lblue", 0xFFFF00, kGreenCell, 7},
    {"white", "white", 0xFFFFFF, kBlackCell, 6},
    {"blue", "blue", 0xFF0000, kRedCell, 4},
}};

constexpr bool isCell(int cell) {
  return cell >= 1 && cell <= kCellCount;
}
constexpr bool isFrame(int frame) {
  return frame >= 1 && frame <= kFrameCount;
}

constexpr int frameOfCell(int cell) {
  return cells[cell].frame;
}

// The cell that frame `frame` shows at home orientation; the home colours of the turning
// code are the display colours of these cells.
constexpr int homeCellOfFrame(int frame) {
  for (int cell = 1; cell <= kCellCount; ++cell) {
    if (cells[cell].frame == frame) return cell;
  }
  return 0;
}

constexpr Colour homeColourOfFrame(int frame) {
  return cells[homeCellOfFrame(frame)].display;
}

// The cell shown in a given colour, or 0 when no cell has that colour.
constexpr int cellOfColour(Colour colour) {
  for (int cell = 1; cell <= kCellCount; ++cell) {
    if (cells[cell].display == colour) return cell;
  }
  return 0;
}

}  // namespace dorvan::game4d
