// The window's line objects, labels and strokes, handed to the surfaces when they change.

#include <algorithm>

#include "qt/fitting_font.h"
#include "qt/form_window.h"
#include "qt/surface.h"
#include "qt/units.h"

namespace dorvan::qt {

namespace {

using forms::Control;
using forms::ControlKind;

// Captions change as a game goes on; the fonts of the latest few hundred are kept.
constexpr std::size_t kLabelFontsKept = 500;

}  // namespace

QFont FormWindow::labelFont(const Control& c, QSize box) {
  QFont scaled = scale_.font(font(), c);
  if (c.caption.empty()) return scaled;
  auto key = std::make_tuple(c.caption, box.width(), box.height(), scaled.pointSizeF(), c.fontBold);
  auto it = labelFonts_.find(key);
  if (it != labelFonts_.end()) return it->second;
  if (labelFonts_.size() > kLabelFontsKept) labelFonts_.clear();
  return labelFonts_[key] = fittingFont(scaled, text(c.caption), box, true);
}

bool FormWindow::paintingChanged() {
  // Compared in place, so that an unchanged window costs no copies.
  auto fields = [](const Control& c) -> const forms::ControlState& { return c; };
  auto painted = [](const Control& c) {
    return c.kind == ControlKind::Line || c.kind == ControlKind::Label;
  };
  auto sameStroke = [](const forms::Stroke& a, const forms::Stroke& b) {
    return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.color == b.color;
  };
  bool same = std::equal(form_->strokes.begin(), form_->strokes.end(), strokeSources_.begin(),
                         strokeSources_.end(), sameStroke);
  std::size_t n = 0;
  for (const Control& c : form_->controls()) {
    if (!same) break;
    if (!painted(c)) continue;
    same = n < paintSources_.size() && paintSources_[n] == fields(c);
    ++n;
  }
  if (same && n == paintSources_.size()) return false;

  paintSources_.clear();
  for (const Control& c : form_->controls())
    if (painted(c)) paintSources_.emplace_back(fields(c));
  strokeSources_ = form_->strokes;
  return true;
}

void FormWindow::syncPainted() {
  if (!paintingChanged()) return;
  std::map<Surface*, std::vector<Surface::Item>> painted;
  painted[client_];
  for (auto& [name, surface] : containers_) painted[surface];
  const QPalette& pal = palette();
  for (Control& c : form_->controls()) {
    if (c.kind != ControlKind::Line && c.kind != ControlKind::Label) continue;
    if (!c.visible) continue;
    Surface* surface = surfaceFor(c.container);
    QPoint o = surface->origin();
    Surface::Item item;
    item.control = &c;
    if (c.kind == ControlKind::Line) {
      item.kind = Surface::Item::Kind::Line;
      item.line = QLine(o + scale_.toPixels(c.x1, c.y1), o + scale_.toPixels(c.x2, c.y2));
      item.color = toQColor(c.color, pal);
      item.width = scale_.penWidth(c.borderWidth);
      item.style = penStyle(c.style);
    } else {
      item.kind = Surface::Item::Kind::Label;
      item.rect = scale_.toPixels(c.left, c.top, c.width, c.height).translated(o);
      item.caption = text(c.caption);
      item.fore = toQColor(c.forecolor, pal);
      item.back = toQColor(c.backcolor, pal);
      item.transparent = c.transparent;
      item.font = labelFont(c, item.rect.size());
      item.alignment = c.alignment;
      item.enabled = c.enabled;
    }
    painted[surface].push_back(std::move(item));
  }
  for (auto& [surface, items] : painted) surface->setItems(std::move(items));

  std::vector<Surface::Stroke> strokes;
  strokes.reserve(form_->strokes.size());
  for (const forms::Stroke& s : form_->strokes) {
    QPoint o = client_->origin();
    strokes.push_back({QLine(o + scale_.toPixels(s.x1, s.y1), o + scale_.toPixels(s.x2, s.y2)),
                       toQColor(s.color, pal), scale_.penWidth(1)});
  }
  client_->setStrokes(std::move(strokes));
}

}  // namespace dorvan::qt
