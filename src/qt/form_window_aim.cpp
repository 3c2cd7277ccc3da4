// The board under the pointer: which target a click there goes to, and the mark on the line it
// would draw. Both come from one hit test, so the mark shows exactly what a click does.

#include <algorithm>

#include "forms/application.h"
#include "qt/board_aim.h"
#include "qt/form_window.h"
#include "qt/qt_platform.h"
#include "qt/surface.h"

namespace dorvan::qt {

namespace {

using forms::Control;
using forms::ControlKind;

// How far beyond its rectangle a target reaches around its line, in pixels at the designed size.
constexpr double kReachPixels = 5.0;

// A light glow that reads on the grey board around a line of any colour.
const QColor kHoverColour(255, 255, 255, 225);

}  // namespace

const std::vector<BoardTarget>& FormWindow::boardTargets() {
  if (boardTargetsValid_) return boardTargets_;
  boardTargetsValid_ = true;
  boardTargets_.clear();
  penWidths_.clear();
  if (!form_) return boardTargets_;
  const QPoint o = client_->origin();
  for (Control& c : form_->controls()) {
    if (c.kind != ControlKind::Label || !c.container.empty() || !c.onClick || !c.enabled ||
        !form_->isShown(c))
      continue;
    std::optional<forms::TargetLine> line = form_->targetLine(c);
    if (!line) continue;
    BoardTarget target;
    target.control = &c;
    target.rect = scale_.toPixels(c.left, c.top, c.width, c.height).translated(o);
    target.drawable = line->drawable;
    std::vector<int> widths;
    for (const Control* l : line->shownBy) {
      if (!l->container.empty() || !form_->isShown(*l)) continue;
      target.lines.emplace_back(o + scale_.toPixels(l->x1, l->y1),
                                o + scale_.toPixels(l->x2, l->y2));
      widths.push_back(scale_.penWidth(l->borderWidth));
    }
    boardTargets_.push_back(std::move(target));
    penWidths_.push_back(std::move(widths));
  }
  return boardTargets_;
}

Control* FormWindow::boardTargetAt(QPoint pos, const Control* topLabel) {
  if (!form_) return nullptr;
  const std::vector<BoardTarget>& targets = boardTargets();
  auto isTarget = [&](const Control* c) {
    return std::any_of(targets.begin(), targets.end(),
                       [c](const BoardTarget& t) { return t.control == c; });
  };
  // A label of another kind that takes clicks keeps them where it lies over the board.
  if (topLabel && topLabel->onClick && !isTarget(topLabel)) return nullptr;
  const BoardTarget* aimed =
      aimedTarget(targets, QPointF(pos), kReachPixels * std::max(1.0, scale_.factor()));
  return aimed ? aimed->control : nullptr;
}

void FormWindow::pointerAt(std::optional<QPoint> pos) {
  pointer_ = pos;
  updateHoverMark();
}

void FormWindow::updateHoverMark() {
  std::vector<Surface::Stroke> marks;
  if (form_ && pointer_ && shell_.takingEvents()) {
    const Surface::Item* label = client_->labelAt(*pointer_);
    const Control* aimed = boardTargetAt(*pointer_, label ? label->control : nullptr);
    const std::vector<BoardTarget>& targets = boardTargets();
    for (std::size_t i = 0; i < targets.size(); ++i) {
      if (targets[i].control != aimed || !targets[i].drawable) continue;
      for (std::size_t k = 0; k < targets[i].lines.size(); ++k)
        marks.push_back({targets[i].lines[k], kHoverColour, penWidths_[i][k]});
    }
  }
  client_->setHoverMarks(std::move(marks));
}

}  // namespace dorvan::qt
