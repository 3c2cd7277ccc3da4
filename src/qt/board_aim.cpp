#include "qt/board_aim.h"

#include <QLineF>
#include <algorithm>
#include <cmath>
#include <limits>

namespace dorvan::qt {

double distanceToSegment(QPointF p, const QLine& line) {
  const QPointF a = line.p1();
  const QPointF ab = QPointF(line.p2()) - a;
  const double length2 = QPointF::dotProduct(ab, ab);
  double t = length2 > 0 ? QPointF::dotProduct(p - a, ab) / length2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  const QPointF nearest = a + t * ab;
  return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

const BoardTarget* aimedTarget(const std::vector<BoardTarget>& targets, QPointF pos, double reach) {
  constexpr double kNoLine = std::numeric_limits<double>::infinity();
  const BoardTarget* best = nullptr;
  double bestDistance = kNoLine;
  for (const BoardTarget& target : targets) {
    double distance = kNoLine;
    for (const QLine& line : target.lines)
      distance = std::min(distance, distanceToSegment(pos, line));
    // QRect::contains counts its last row and column in, as the labels' own hit test does.
    bool reaches = distance <= reach || target.rect.contains(pos.toPoint());
    if (!reaches) continue;
    if (!best || distance <= bestDistance) {
      best = &target;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace dorvan::qt
