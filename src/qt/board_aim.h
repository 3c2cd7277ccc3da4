#pragma once
// Where a click on a board goes. The board's targets are rectangles over its drawing, and they
// overlap where lines cross or run close; a player aims at a line, not at a rectangle. So a
// target reaches over its rectangle and a few pixels around each line it plays, and of the
// targets that reach the pointer, the one whose line lies nearest wins.

#include <QLine>
#include <QPoint>
#include <QRect>
#include <vector>

namespace dorvan::forms {
struct Control;
}

namespace dorvan::qt {

struct BoardTarget {
  forms::Control* control = nullptr;
  QRect rect;                // pixels of the surface it lies on
  std::vector<QLine> lines;  // where its line is drawn (shown line objects only), same pixels
  bool drawable = false;     // a click now draws that line
};

// Distance in pixels from `p` to the segment `line`.
double distanceToSegment(QPointF p, const QLine& line);

// The target a click at `pos` goes to, or nullptr when none reaches it. `reach` is how far, in
// pixels, a line's target reaches beyond its rectangle. Of targets that reach the point equally
// (no line shown, or two targets of one line), the later one wins, as it lies on top.
const BoardTarget* aimedTarget(const std::vector<BoardTarget>& targets, QPointF pos, double reach);

}  // namespace dorvan::qt
