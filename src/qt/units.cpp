#include "qt/units.h"

#include <algorithm>
#include <cmath>

namespace dorvan::qt {

int toPixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

QColor toQColor(Colour color, const QPalette& palette) {
  if (color & 0x80000000u) {
    switch (color & 0xFFu) {
      case 0x05:  // window background
        return palette.color(QPalette::Base);
      case 0x08:  // window text
        return palette.color(QPalette::WindowText);
      case 0x0F:  // button face
        return palette.color(QPalette::Button);
      case 0x10:  // button shadow
        return palette.color(QPalette::Mid);
      case 0x12:  // button text
        return palette.color(QPalette::ButtonText);
      case 0x14:  // 3D highlight
        return palette.color(QPalette::Light);
      default:
        return palette.color(QPalette::WindowText);
    }
  }
  return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                static_cast<int>((color >> 16) & 0xFFu));
}

Qt::PenStyle penStyle(forms::LineStyle style) {
  switch (style) {
    case forms::LineStyle::Dash:
      return Qt::DashLine;
    case forms::LineStyle::Dot:
      return Qt::DotLine;
    case forms::LineStyle::DashDot:
      return Qt::DashDotLine;
    case forms::LineStyle::DashDotDot:
      return Qt::DashDotDotLine;
    case forms::LineStyle::Solid:
      break;
  }
  return Qt::SolidLine;
}

namespace {
constexpr double kLeastFactor = 1.05;  // from 1 to this a window is drawn as designed
}

ContentScale ContentScale::fitting(QSize content, QSize client) {
  if (content.width() <= 0 || content.height() <= 0) return ContentScale();
  double across = client.width() * double(kTwipsPerPixel) / content.width();
  double down = client.height() * double(kTwipsPerPixel) / content.height();
  double factor = std::min(across, down);
  return factor >= 1.0 && factor < kLeastFactor ? ContentScale() : ContentScale(factor);
}

int ContentScale::toPixels(int twips) const {
  return static_cast<int>(std::lround(twips * factor_ / kTwipsPerPixel));
}

QPoint ContentScale::toPixels(int x, int y) const {
  return {toPixels(x), toPixels(y)};
}

QRect ContentScale::toPixels(int left, int top, int width, int height) const {
  QPoint corner = toPixels(left, top);
  QPoint beyond = toPixels(left + width, top + height);
  return {corner, QSize(beyond.x() - corner.x(), beyond.y() - corner.y())};
}

int ContentScale::toTwips(int pixels) const {
  return static_cast<int>(std::lround(pixels * kTwipsPerPixel / factor_));
}

int ContentScale::penWidth(int width) const {
  return std::max(1, static_cast<int>(std::lround(std::max(1, width) * factor_)));
}

QFont ContentScale::font(const QFont& base, const forms::Control& c) const {
  QFont font = base;
  double points = c.fontSize > 0 ? c.fontSize : base.pointSizeF();
  if (points > 0) font.setPointSizeF(points * factor_);
  font.setBold(c.fontBold);
  return font;
}

}  // namespace dorvan::qt
