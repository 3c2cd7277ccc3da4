#include "qt/units.h"

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

QFont controlFont(const QFont& base, const forms::Control& c) {
  QFont font = base;
  if (c.fontSize > 0) font.setPointSize(c.fontSize);
  font.setBold(c.fontBold);
  return font;
}

}  // namespace dorvan::qt
