#include "window4d/drawing.h"

#include <array>
#include <cmath>
#include <limits>

#include "game4d/colour_lookup.h"
#include "game4d/positions.h"

namespace dorvan::window4d {
namespace {

struct Vec {
  double x = 0;
  double y = 0;
};

Vec operator+(Vec a, Vec b) {
  return {a.x + b.x, a.y + b.y};
}
Vec operator-(Vec a, Vec b) {
  return {a.x - b.x, a.y - b.y};
}
Vec operator*(double k, Vec v) {
  return {k * v.x, k * v.y};
}
double dot(Vec a, Vec b) {
  return a.x * b.x + a.y * b.y;
}
Vec vec(Point p) {
  return {double(p.x), double(p.y)};
}
Point point(Vec v) {
  return {int(std::lround(v.x)), int(std::lround(v.y))};
}

Vec unitAlong(Segment s) {
  const Vec d = vec(s.p2) - vec(s.p1);
  return (1 / std::sqrt(dot(d, d))) * d;
}
Vec leftNormal(Segment s) {
  const Vec u = unitAlong(s);
  return {-u.y, u.x};
}

// A corner of the tesseract is one cell of each opposite pair; bit k of its number picks the
// cell of pair k.
constexpr int kCornerCount = 16;
constexpr std::array<std::array<int, 2>, 4> kOppositePairs{{{kYellowCell, kPurpleCell},
                                                            {kRedCell, kBlueCell},
                                                            {kLightBlueCell, kGreenCell},
                                                            {kBlackCell, kWhiteCell}}};

std::array<int, 4> cornerCells(int corner) {
  std::array<int, 4> result{};
  for (int pair = 0; pair < 4; ++pair) result[pair] = kOppositePairs[pair][(corner >> pair) & 1];
  return result;
}

// The four lines at a corner: each leaves out one of its cells.
std::array<int, 4> cornerLines(int corner) {
  const auto c = cornerCells(corner);
  return {lineOfCells(c[1], c[2], c[3]), lineOfCells(c[0], c[2], c[3]),
          lineOfCells(c[0], c[1], c[3]), lineOfCells(c[0], c[1], c[2])};
}

// The mean of the ends of the corner's four centre lines, taking of each line the end that
// keeps the four closest together.
Vec cornerPoint(View view, int corner) {
  const auto lines = cornerLines(corner);
  double bestSpread = std::numeric_limits<double>::max();
  Vec best;
  for (int choice = 0; choice < 16; ++choice) {
    std::array<Vec, 4> ends{};
    for (int i = 0; i < 4; ++i) {
      const Segment s = centreLine(view, lines[i]);
      ends[i] = vec((choice >> i) & 1 ? s.p2 : s.p1);
    }
    double spread = 0;
    for (int i = 0; i < 4; ++i) {
      for (int j = i + 1; j < 4; ++j) spread += dot(ends[i] - ends[j], ends[i] - ends[j]);
    }
    if (spread < bestSpread) {
      bestSpread = spread;
      best = 0.25 * (ends[0] + ends[1] + ends[2] + ends[3]);
    }
  }
  return best;
}

Vec midpoint(Segment s) {
  return 0.5 * (vec(s.p1) + vec(s.p2));
}

Vec cubeCentre(View view, int frame) {
  Vec sum;
  for (int element = 1; element <= kElementsPerFrame; ++element) {
    sum = sum + midpoint(centreLine(view, drawinglineplaces[frame][element].position));
  }
  return (1.0 / kElementsPerFrame) * sum;
}

using ViewLines = std::array<std::array<Segment, kElementsPerFrame + 1>, kFrameCount + 1>;

ViewLines layOut(View view) {
  std::array<Vec, kCornerCount> corners{};
  for (int corner = 0; corner < kCornerCount; ++corner) corners[corner] = cornerPoint(view, corner);
  // The two corners of each line, the one nearer the first end of its centre line first.
  std::array<std::array<Vec, 2>, kPositionCount + 1> lineEnds{};
  std::array<int, kPositionCount + 1> endsFound{};
  for (int corner = 0; corner < kCornerCount; ++corner) {
    for (int line : cornerLines(corner)) lineEnds[line][endsFound[line]++] = corners[corner];
  }
  for (int line = 1; line <= kPositionCount; ++line) {
    const Vec start = vec(centreLine(view, line).p1);
    auto& ends = lineEnds[line];
    if (dot(ends[1] - start, ends[1] - start) < dot(ends[0] - start, ends[0] - start)) {
      std::swap(ends[0], ends[1]);
    }
  }

  ViewLines result{};
  for (int frame = 1; frame <= kFrameCount; ++frame) {
    for (int element = 1; element <= kElementsPerFrame; ++element) {
      const DrawingLinePlace place = drawinglineplaces[frame][element];
      const Segment edge = centreLine(view, place.position);
      const Vec normal = leftNormal(edge);
      const Vec mid = midpoint(edge);
      auto side = [&](int f) { return dot(cubeCentre(view, f) - mid, normal); };
      const auto lines = drawinglines(place.position);
      int lane = -1;  // rank of this frame's side among the three; ties keep click order
      for (int slot = 0; slot < 3; ++slot) {
        const double other = side(lines[slot].frame);
        if (other < side(frame) || (other == side(frame) && slot < place.slot)) ++lane;
      }
      // Round the lane's offset first, so that both ends move by the same whole twips.
      const Vec origin = vec(edge.p1) + vec(point(lane * sideStep(view) * normal));
      const Vec along = unitAlong(edge);
      const auto& ends = lineEnds[place.position];
      result[frame][element] = {point(origin + dot(ends[0] - origin, along) * along),
                                point(origin + dot(ends[1] - origin, along) * along)};
    }
  }
  return result;
}

}  // namespace

Segment drawingLineSegment(View view, int frame, int element) {
  static const ViewLines mainView = layOut(View::main);
  static const ViewLines secondView = layOut(View::second);
  return (view == View::main ? mainView : secondView)[frame][element];
}

}  // namespace dorvan::window4d
