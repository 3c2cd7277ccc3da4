#pragma once
// The small diagram: a miniature of the main view with one element per screen position
// (`a1`..`a8`(1..3), `Line1`(1..4), `Line2`(1..4), and `Line10`(2), which doubles `a3`(2)),
// plus a colour key `b1`..`b8`(1..3) that is shown and hidden with its frame.
//
// The rule: an element of a screen position is that position's `pow` centre line, shrunk by
// `divisor` about the main view's top left corner (120, 120) and moved to `origin`. The key
// `b`k is row k of a column beside the miniature: three short strokes one above the other.

#include <array>

#include "common/geometry.h"
#include "game4d/cells.h"
#include "game4d/positions.h"
#include "window4d/centre_lines.h"

namespace dorvan::window4d {

// The window draws and plays the engine's tesseract: its names are this window's vocabulary.
using namespace game4d;

struct DiagramPlacement {
  Point origin;  // where the main view's corner (120, 120) lands
  int divisor = 4;
};

// Below the second view, left-aligned with it.
inline constexpr DiagramPlacement kDiagramPlacement{{10080, 4920}, 4};

inline constexpr Point kMainViewCorner{120, 120};
inline constexpr int kKeyGap = 180;  // between the miniature and the key column
inline constexpr int kKeyStrokeLength = 240;
inline constexpr int kKeyRowHeight = 240;
inline constexpr int kKeyStrokeSpacing = 60;

// The 32 elements that stand for screen positions, the ones that Cheat mode styles.
inline constexpr auto diagramLineElements = [] {
  std::array<DiagramElement, kPositionCount> result{};
  for (int position = 1; position <= kPositionCount; ++position) {
    result[position - 1] = screenpositions[position].diagram;
  }
  return result;
}();

// The screen position an element stands for; 0 for the key and for no element.
constexpr int positionOfDiagramElement(DiagramElement element) {
  if (element.array == DiagramArray::none) return 0;
  for (int position = 1; position <= kPositionCount; ++position) {
    const ScreenPosition& row = screenpositions[position];
    if (row.diagram == element || row.alsoDiagram == element) return position;
  }
  return 0;
}

// The colour an element has when the window opens, which a flash of Cheat mode restores.
constexpr Colour diagramColour(DiagramElement element) {
  constexpr std::array<Colour, 5> line1{0, 0x000000, 0xFFFF00, 0x00FFFF, 0x0000FF};
  constexpr std::array<Colour, 5> line2{0, 0xFF0000, 0x00FF00, 0xFF00FF, 0xFFFFFF};
  // a1..a8 and their keys b1..b8; a2 is a darker red than the red cell.
  constexpr std::array<Colour, 9> frames{0,        0x00FFFF, 0x0000C0, 0xFF00FF, 0xFF0000,
                                         0x00FF00, 0xFFFFFF, 0xFFFF00, 0x000000};
  switch (element.array) {
    case DiagramArray::a:
    case DiagramArray::b:
      return frames[element.number];
    case DiagramArray::Line:
      if (element.number == 1) return line1[element.index];
      if (element.number == 2) return line2[element.index];
      return diagramColour(screenpositions[positionOfDiagramElement(element)].diagram);
    case DiagramArray::none:
      break;
  }
  return 0;
}

constexpr Point shrink(Point point, DiagramPlacement placement) {
  return {placement.origin.x + (point.x - kMainViewCorner.x) / placement.divisor,
          placement.origin.y + (point.y - kMainViewCorner.y) / placement.divisor};
}

constexpr Segment diagramSegment(DiagramElement element,
                                 DiagramPlacement placement = kDiagramPlacement) {
  if (element.array == DiagramArray::b) {
    // The key column starts right of the widest point of the miniature, x = 9840.
    const int left = shrink({9840, 0}, placement).x + kKeyGap;
    const int y = placement.origin.y + (element.number - 1) * kKeyRowHeight +
                  (element.index - 1) * kKeyStrokeSpacing + kKeyStrokeSpacing / 2;
    return {{left, y}, {left + kKeyStrokeLength, y}};
  }
  const Segment edge = pow[positionOfDiagramElement(element)];
  return {shrink(edge.p1, placement), shrink(edge.p2, placement)};
}

}  // namespace dorvan::window4d
