#pragma once
// The 32 screen positions of the tesseract drawing: which line each shows before any turn,
// which drawing-line elements colour it, and its element of the small diagram.

#include <array>

#include "game4d/cells.h"
#include "game4d/incidence.h"

namespace dorvan::game4d {

inline constexpr int kPositionCount = kLineCount;
inline constexpr int kElementsPerFrame = 12;

constexpr bool isPosition(int position) {
  return position >= 1 && position <= kPositionCount;
}

// One element of the drawing-line arrays: `L`frame(element) in the main view and
// `m`frame(element) in the second view.
struct DrawingLine {
  int frame = 0;
  int element = 0;
  friend constexpr bool operator==(DrawingLine, DrawingLine) = default;
};

enum class DiagramArray { none, a, b, Line };

// One element of the small diagram: `a`number(index), `b`number(index), or `Line`number(index)
// for `Line1`, `Line2` and `Line10`.
struct DiagramElement {
  DiagramArray array = DiagramArray::none;
  int number = 0;
  int index = 0;
  friend constexpr bool operator==(DiagramElement, DiagramElement) = default;
};

struct ScreenPosition {
  // The cells of the line shown here before any turn, in the order in which a click reads the
  // position's three drawing lines; the drawing line of each is in the frame of its cell.
  std::array<int, 3> cells;
  std::array<int, 3> elements;  // element index of each of those drawing lines
  DiagramElement diagram;       // the diagram element a drawn line marks
  DiagramElement alsoDiagram;   // a second element that a click marks as well
  bool closedAtHalfLevel = false;
};

namespace detail {
constexpr DiagramElement a(int number, int index) {
  return {DiagramArray::a, number, index};
}
constexpr DiagramElement Line(int number, int index) {
  return {DiagramArray::Line, number, index};
}
inline constexpr int K = kBlackCell, R = kRedCell, Y = kYellowCell, G = kGreenCell, P = kPurpleCell,
                     LB = kLightBlueCell, W = kWhiteCell, B = kBlueCell;
inline constexpr bool closed = true;
constexpr ScreenPosition row(std::array<int, 3> cells, std::array<int, 3> elements,
                             DiagramElement diagram, DiagramElement alsoDiagram = {},
                             bool closedAtHalfLevel = false) {
  return {cells, elements, diagram, alsoDiagram, closedAtHalfLevel};
}
}  // namespace detail

// Indexed by screen position; before any turn position p shows line p.
inline constexpr std::array<ScreenPosition, kPositionCount + 1> screenpositions = [] {
  using namespace detail;
  return std::array<ScreenPosition, kPositionCount + 1>{{
      {},
      /* 1 */ row({Y, R, K}, {1, 3, 8}, Line(1, 4), {}, closed),
      /* 2 */ row({R, P, K}, {1, 3, 5}, a(3, 3)),
      /* 3 */ row({R, G, K}, {4, 1, 9}, a(5, 1)),
      /* 4 */ row({R, LB, K}, {2, 9, 1}, Line(1, 1), {}, closed),
      /* 5 */ row({R, P, LB}, {6, 7, 8}, a(3, 1)),
      /* 6 */ row({R, Y, LB}, {7, 6, 5}, Line(1, 2), {}, closed),
      /* 7 */ row({R, P, G}, {5, 6, 8}, a(2, 2)),
      /* 8 */ row({P, G, K}, {2, 4, 10}, a(8, 3)),
      /* 9 */ row({Y, G, W}, {12, 10, 12}, a(1, 3)),
      /* 10 */ row({G, W, R}, {9, 9, 12}, a(2, 3)),
      /* 11 */ row({R, W, P}, {9, 5, 11}, a(2, 1)),
      /* 12 */ row({R, W, LB}, {10, 1, 1}, a(6, 1)),
      /* 13 */ row({P, W, LB}, {12, 2, 4}, a(7, 1)),
      /* 14 */ row({B, W, LB}, {12, 3, 3}, a(7, 3)),
      /* 15 */ row({P, B, W}, {9, 11, 6}, Line(2, 1)),
      /* 16 */ row({Y, W, LB}, {10, 4, 2}, a(6, 2)),
      /* 17 */ row({P, G, W}, {10, 12, 10}, Line(2, 3)),
      /* 18 */ row({B, G, W}, {10, 11, 11}, Line(2, 4)),
      /* 19 */ row({Y, B, W}, {11, 9, 7}, a(1, 1)),
      /* 20 */ row({P, B, G}, {5, 6, 7}, Line(2, 2)),
      /* 21 */ row({Y, B, G}, {8, 5, 6}, a(1, 2)),
      /* 22 */ row({B, G, K}, {2, 3, 11}, a(8, 2)),
      /* 23 */ row({Y, B, LB}, {7, 8, 6}, a(4, 1)),
      /* 24 */ row({P, B, LB}, {8, 7, 7}, a(7, 2)),
      /* 25 */ row({P, B, K}, {1, 3, 6}, a(8, 1)),
      /* 26 */ row({Y, LB, K}, {2, 10, 4}, Line(1, 3), {}, closed),
      /* 27 */ row({P, LB, K}, {4, 12, 2}, a(3, 2), Line(10, 2)),
      /* 28 */ row({Y, G, K}, {4, 2, 12}, a(5, 2)),
      /* 29 */ row({Y, B, K}, {3, 1, 7}, a(4, 3)),
      /* 30 */ row({B, LB, K}, {4, 11, 3}, a(4, 2)),
      /* 31 */ row({Y, R, G}, {5, 8, 5}, a(5, 3)),
      /* 32 */ row({Y, R, W}, {9, 11, 8}, a(6, 3)),
  }};
}();

// The three drawing lines of a screen position, in click order.
constexpr std::array<DrawingLine, 3> drawinglines(int position) {
  const ScreenPosition& row = screenpositions[position];
  std::array<DrawingLine, 3> result{};
  for (std::size_t j = 0; j < 3; ++j) result[j] = {frameOfCell(row.cells[j]), row.elements[j]};
  return result;
}

// Where a drawing-line element stands: its screen position and its place (0 to 2) in the
// position's click order.
struct DrawingLinePlace {
  int position = 0;
  int slot = 0;
};

// Indexed [frame][element]. Every element belongs to exactly one screen position; the compiler
// rejects a position table in which two positions claim one element.
inline constexpr auto drawinglineplaces = [] {
  std::array<std::array<DrawingLinePlace, kElementsPerFrame + 1>, kFrameCount + 1> result{};
  for (int position = 1; position <= kPositionCount; ++position) {
    const auto lines = drawinglines(position);
    for (int slot = 0; slot < 3; ++slot) {
      DrawingLinePlace& place = result.at(lines[slot].frame).at(lines[slot].element);
      if (place.position != 0) throw "two screen positions share a drawing line";
      place = {position, slot};
    }
  }
  return result;
}();

// The four screen positions whose lines lie behind the rest of each view: in the main view the
// corner of the purple, green, blue and black cells, in the second view that of the red,
// yellow, white and light blue cells. The accurate 4D view hides them.
inline constexpr std::array<int, 4> hiddenCornerMain{8, 20, 22, 25};
inline constexpr std::array<int, 4> hiddenCornerSecond{6, 12, 16, 32};

}  // namespace dorvan::game4d
