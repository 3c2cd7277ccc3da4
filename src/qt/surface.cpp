#include "qt/surface.h"

#include <qdrawutil.h>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "qt/form_window.h"
#include "qt/units.h"

namespace dorvan::qt {

namespace {
constexpr int kPictureBorder = 2;  // the sunken edge of a picture box, in pixels
constexpr int kHoverMargin = 3;    // how far the glow of a marked line reaches beyond it
}  // namespace

Surface::Surface(FormWindow& window, forms::Control* container, Look look, QWidget* parent)
    : QWidget(parent), window_(window), container_(container), look_(look) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QPoint Surface::origin() const {
  return look_ == Look::Picture ? QPoint(kPictureBorder, kPictureBorder) : offset_;
}

void Surface::setOffset(QPoint offset) {
  if (offset == offset_) return;
  offset_ = offset;
  update();
}

void Surface::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (look_ == Look::Client) window_.clientResized();
}

void Surface::setBackground(const QColor& color) {
  if (color == background_) return;
  background_ = color;
  update();
}

void Surface::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

void Surface::setItems(std::vector<Item> items) {
  if (items == items_) return;
  if (isVisible() && updatesEnabled()) update(changedArea(items_, items));
  items_ = std::move(items);
}

void Surface::setStrokes(std::vector<Stroke> strokes) {
  if (strokes == strokes_) return;
  if (isVisible() && updatesEnabled()) update(changedArea(strokes_, strokes));
  strokes_ = std::move(strokes);
}

void Surface::setHoverMarks(std::vector<Stroke> marks) {
  if (marks == hoverMarks_) return;
  if (isVisible() && updatesEnabled()) update(changedArea(hoverMarks_, marks));
  hoverMarks_ = std::move(marks);
}

QRect Surface::bounds(const Item& item) {
  if (item.kind == Item::Kind::Label) return item.rect;
  return lineBounds(item.line, item.width);
}

QRect Surface::bounds(const Stroke& stroke) {
  return lineBounds(stroke.line, stroke.width + 2 * kHoverMargin);
}

QRect Surface::lineBounds(const QLine& line, int width) {
  // Round caps and antialiasing reach half the pen's width and a pixel beyond the end points.
  int margin = std::max(1, width) / 2 + 2;
  return QRect(line.p1(), line.p2()).normalized().adjusted(-margin, -margin, margin, margin);
}

// Only what changed is painted again: an animation that moves a few small things each frame
// costs the window system those few rectangles, not the whole window. The rectangles are joined
// in pairs, then pairs of pairs: adding hundreds one by one to a growing region (a window's
// first picture) takes far longer.
template <typename Painted>
QRegion Surface::changedArea(const std::vector<Painted>& before,
                             const std::vector<Painted>& after) {
  std::vector<QRegion> parts;
  for (std::size_t i = 0; i < std::max(before.size(), after.size()); ++i) {
    bool wasThere = i < before.size();
    bool isThere = i < after.size();
    if (wasThere && isThere && before[i] == after[i]) continue;
    if (wasThere) parts.emplace_back(bounds(before[i]));
    if (isThere) parts.emplace_back(bounds(after[i]));
  }
  for (std::size_t step = 1; step < parts.size(); step *= 2)
    for (std::size_t i = 0; i + step < parts.size(); i += 2 * step) parts[i] += parts[i + step];
  return parts.empty() ? QRegion() : parts.front();
}

const Surface::Item* Surface::labelAt(QPoint pos) const {
  for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
    if (it->kind == Item::Kind::Label && it->enabled && it->rect.contains(pos)) return &*it;
  }
  return nullptr;
}

void Surface::paintEvent(QPaintEvent* event) {
  const QRegion& dirty = event->region();
  QPainter painter(this);
  painter.fillRect(rect(), background_);
  if (look_ == Look::Picture) {
    qDrawWinPanel(&painter, rect(), palette(), true);
  } else if (look_ == Look::Frame) {
    QFontMetrics metrics(font());
    int top = metrics.height() / 2;
    qDrawShadeRect(&painter, QRect(0, top, width(), height() - top), palette(), true);
    if (!caption_.isEmpty()) {
      QRect text = metrics.boundingRect(caption_).adjusted(-2, 0, 2, 0);
      text.moveTopLeft(QPoint(6, 0));
      painter.fillRect(text, background_);
      painter.setPen(palette().color(QPalette::WindowText));
      painter.drawText(text, Qt::AlignCenter | Qt::TextShowMnemonic, caption_);
    }
  }
  // The glow lies under the lines, so the line keeps its own colour within it.
  for (const Stroke& mark : hoverMarks_) {
    if (!dirty.intersects(bounds(mark))) continue;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(mark.color, mark.width + 2 * kHoverMargin, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(mark.line);
    painter.restore();
  }
  for (const Stroke& stroke : strokes_) {
    if (!dirty.intersects(bounds(stroke))) continue;
    painter.setPen(QPen(stroke.color, stroke.width));
    painter.drawLine(stroke.line);
  }
  for (const Item& item : items_)
    if (dirty.intersects(bounds(item))) paintItem(painter, item);
}

void Surface::paintItem(QPainter& painter, const Item& item) const {
  if (item.kind == Item::Kind::Line) {
    QPen pen(item.color, std::max(1, item.width), item.style);
    pen.setCapStyle(item.style == Qt::SolidLine && item.width > 1 ? Qt::RoundCap : Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(item.line);
    return;
  }
  if (!item.transparent) painter.fillRect(item.rect, item.back);
  if (item.caption.isEmpty()) return;
  int flags = Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
  flags |= item.alignment == 1   ? Qt::AlignRight
           : item.alignment == 2 ? Qt::AlignHCenter
                                 : Qt::AlignLeft;
  painter.save();
  painter.setClipRect(item.rect);
  painter.setFont(item.font);
  painter.setPen(item.enabled ? item.fore
                              : palette().color(QPalette::Disabled, QPalette::WindowText));
  painter.drawText(item.rect, flags, item.caption);
  painter.restore();
}

QPoint Surface::twipsWithin(const Item* item, QPoint pos) const {
  QPoint corner = item ? item->rect.topLeft() : origin();
  const ContentScale& scale = window_.scale();
  return {scale.toTwips(pos.x() - corner.x()), scale.toTwips(pos.y() - corner.y())};
}

forms::Control* Surface::controlAt(QPoint pos, const Item*& label) const {
  label = labelAt(pos);
  if (look_ == Look::Client) {
    if (forms::Control* aimed = window_.boardTargetAt(pos, label ? label->control : nullptr)) {
      label = nullptr;
      for (const Item& item : items_)
        if (item.control == aimed) label = &item;
      return aimed;
    }
  }
  return label ? label->control : container_;
}

void Surface::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !window_.attached()) return;
  QPoint pos = event->position().toPoint();
  const Item* label = nullptr;
  pressed_ = controlAt(pos, label);
  if (!pressed_) return;
  QPoint at = twipsWithin(label, pos);
  window_.deliverMouseDown(*pressed_, at.x(), at.y());
}

void Surface::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  forms::Control* pressed = std::exchange(pressed_, nullptr);
  if (!pressed || !window_.attached()) return;
  // A click is a press and a release on the same control.
  QPoint pos = event->position().toPoint();
  const Item* label = nullptr;
  forms::Control* released = controlAt(pos, label);
  if (released == container_ && !rect().contains(pos)) released = nullptr;
  if (released == pressed) window_.deliverClick(*pressed);
}

void Surface::mouseMoveEvent(QMouseEvent* event) {
  if (!window_.attached()) return;
  QPoint pos = event->position().toPoint();
  if (look_ == Look::Client) window_.pointerAt(pos);
  const Item* label = nullptr;
  forms::Control* target = controlAt(pos, label);
  if (!target) return;
  QPoint at = twipsWithin(label, pos);
  window_.deliverMouseMove(*target, at.x(), at.y());
}

void Surface::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (look_ == Look::Client && window_.attached()) window_.pointerAt(std::nullopt);
}

}  // namespace dorvan::qt
