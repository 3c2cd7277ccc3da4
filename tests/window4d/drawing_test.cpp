#include "window4d/drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>
#include <vector>

#include "game4d/corners.h"
#include "window4d/click_targets.h"
#include "window4d/diagram.h"

namespace dorvan::window4d {
namespace {

constexpr std::array<View, 2> kViews{View::main, View::second};

double length(Segment s) {
  return std::hypot(s.p2.x - s.p1.x, s.p2.y - s.p1.y);
}
double distance(Point a, Point b) {
  return std::hypot(a.x - b.x, a.y - b.y);
}

// How far `p` lies to the left of the line through `s`, in twips.
double sideways(Segment s, Point p) {
  return (double(s.p2.x - s.p1.x) * (p.y - s.p1.y) - double(s.p2.y - s.p1.y) * (p.x - s.p1.x)) /
         length(s);
}

bool touches(Segment s, Rect r) {
  for (int i = 0; i <= 400; ++i) {
    const int x = s.p1.x + (s.p2.x - s.p1.x) * i / 400, y = s.p1.y + (s.p2.y - s.p1.y) * i / 400;
    if (x >= r.left && x <= r.left + r.width && y >= r.top && y <= r.top + r.height) return true;
  }
  return false;
}

// The three colours of an edge run parallel to its centre line, one on it and one a side step
// to either side, so all three are seen; their ends stay near the ends of the centre line.
TEST(DrawingLines, ThreeColoursOfAnEdgeLieSideBySideAlongItsCentreLine) {
  for (View view : kViews) {
    ASSERT_LE(sideStep(view), 240);
    const double nearEnd = view == View::main ? 400 : 150;
    for (int position = 1; position <= kPositionCount; ++position) {
      const Segment centre = centreLine(view, position);
      std::vector<double> lanes;
      for (DrawingLine line : drawinglines(position)) {
        const Segment drawn = drawingLineSegment(view, line.frame, line.element);
        EXPECT_NEAR(sideways(centre, drawn.p1), sideways(centre, drawn.p2), 1.5) << position;
        EXPECT_LE(distance(drawn.p1, centre.p1), nearEnd) << position;
        EXPECT_LE(distance(drawn.p2, centre.p2), nearEnd) << position;
        lanes.push_back(sideways(centre, drawn.p1));
      }
      std::ranges::sort(lanes);
      EXPECT_NEAR(lanes[0], -sideStep(view), 1.0) << "position " << position;
      EXPECT_NEAR(lanes[1], 0, 1.0) << "position " << position;
      EXPECT_NEAR(lanes[2], sideStep(view), 1.0) << "position " << position;
    }
  }
}

// A frame reads as one cube when each of its 24 line ends has two others close by and the
// rest clearly farther away.
TEST(DrawingLines, EachFrameDrawsACube) {
  for (View view : kViews) {
    const double meet = view == View::main ? 350 : 150;
    for (int frame = 1; frame <= kFrameCount; ++frame) {
      std::vector<Point> ends;
      for (int element = 1; element <= kElementsPerFrame; ++element) {
        const Segment s = drawingLineSegment(view, frame, element);
        ends.insert(ends.end(), {s.p1, s.p2});
      }
      for (Point end : ends) {
        std::vector<double> away;
        for (Point p : ends) away.push_back(distance(p, end));
        std::ranges::sort(away);  // away[0] is the end itself
        EXPECT_LE(away[2], meet) << "frame " << frame << " at " << end.x << "," << end.y;
        EXPECT_GT(away[3], 1.5 * away[2]) << "frame " << frame << " at " << end.x << "," << end.y;
      }
    }
  }
}

TEST(ClickTargets, LieOverTheirEdgesAndReachEveryPosition) {
  std::set<int> reached;
  for (int element = 0; element < kLabel2Count; ++element) {
    const auto [position, r] = label2[element];
    if (position == 0) continue;
    reached.insert(position);
    const View view = overSecondView(element) ? View::second : View::main;
    auto reaches = [&](DrawingLine line) {
      return touches(drawingLineSegment(view, line.frame, line.element), r);
    };
    // A few targets sit just beside the centre line; they must still reach a drawn line.
    const int step = sideStep(view);
    EXPECT_TRUE(touches(centreLine(view, position),
                        {r.left - step, r.top - step, r.width + 2 * step, r.height + 2 * step}))
        << "Label2(" << element << ")";
    EXPECT_TRUE(std::ranges::any_of(drawinglines(position), reaches))
        << "Label2(" << element << ")";
  }
  EXPECT_EQ(reached.size(), static_cast<std::size_t>(kPositionCount));
}

TEST(SmallDiagram, LiesClearOfBothViewsWithItsKeyBeside) {
  int right = 0;
  for (DiagramElement e : diagramLineElements) {
    const Segment s = diagramSegment(e);
    // Right of the main view (edge 9920) and below the second view (bottom 4680).
    EXPECT_TRUE(std::min(s.p1.x, s.p2.x) > 9920 && std::min(s.p1.y, s.p2.y) > 4680);
    right = std::max({right, s.p1.x, s.p2.x});
  }
  for (int frame = 1; frame <= kFrameCount; ++frame) {
    EXPECT_GT(diagramSegment({DiagramArray::b, frame, 1}).p1.x, right);
  }
  EXPECT_EQ(diagramSegment({DiagramArray::Line, 10, 2}), diagramSegment({DiagramArray::a, 3, 2}));
}

// `a`k holds three lines of frame k's cell that meet at one corner; `Line1` and `Line2` hold
// the four lines of two opposite corners.
TEST(SmallDiagram, ElementsFollowTheShapeOfTheTesseract) {
  std::set<std::tuple<DiagramArray, int, int>> seen;
  std::array<std::vector<int>, kFrameCount + 1> a;
  std::array<std::vector<int>, 3> line;
  for (int position = 1; position <= kPositionCount; ++position) {
    const DiagramElement e = screenpositions[position].diagram;
    EXPECT_TRUE(seen.insert({e.array, e.number, e.index}).second) << "position " << position;
    EXPECT_EQ(positionOfDiagramElement(e), position);
    if (e.array == DiagramArray::a && isFrame(e.number) && e.index >= 1 && e.index <= 3) {
      a[e.number].push_back(position);
    } else if (e.array == DiagramArray::Line && (e.number == 1 || e.number == 2)) {
      line[e.number].push_back(position);
    }
  }
  for (int frame = 1; frame <= kFrameCount; ++frame) {
    ASSERT_EQ(a[frame].size(), 3u);
    EXPECT_EQ(cellsOfLines(a[frame]).size(), 4u) << "a" << frame << " is no corner";
    for (int l : a[frame]) EXPECT_TRUE(cellsOfLines({l}).contains(homeCellOfFrame(frame)));
  }
  EXPECT_TRUE(meetAtOneCorner(line[1]) && meetAtOneCorner(line[2]));
  std::set<int> both = cellsOfLines(line[1]);
  both.merge(cellsOfLines(line[2]));
  EXPECT_EQ(both.size(), 8u) << "Line1 and Line2 should stand at opposite corners";

  const DiagramElement line10{DiagramArray::Line, 10, 2};
  EXPECT_EQ(screenpositions[27].alsoDiagram, line10);
  EXPECT_EQ(diagramColour(line10), diagramColour(screenpositions[27].diagram));
}

}  // namespace
}  // namespace dorvan::window4d
