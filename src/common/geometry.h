#pragma once
// Points, segments and rectangles in twips (origin at the top left of the window's client
// area, y downwards).

namespace dorvan {

struct Point {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(Point, Point) = default;
};

struct Segment {
  Point p1;
  Point p2;
  friend constexpr bool operator==(Segment, Segment) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend constexpr bool operator==(Rect, Rect) = default;
};

}  // namespace dorvan
