#pragma once
// Twips to pixels, model colours and strings to Qt's, and line styles to pens.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <Qt>
#include <string>

#include "forms/control.h"

namespace dorvan::qt {

constexpr int kTwipsPerPixel = 15;

// Nearest whole pixel; designer positions off the window are negative and round the same way.
// Unscaled: the screen and the windows' own places and sizes.
int toPixels(int twips);
inline int toTwips(int pixels) {
  return pixels * kTwipsPerPixel;
}

// How a form's content lands on its window: 15 twips to a logical pixel, times the factor that
// fits the content to a window larger than it. Painting, the hit-testing of clicks, widget
// geometry, line widths and fonts all go through it; the form never knows.
class ContentScale {
 public:
  ContentScale() = default;
  explicit ContentScale(double factor) : factor_(factor) {}
  // The factor that fits content reaching `content` (twips, from the origin) into a client
  // area of `client` pixels, larger or smaller. A window up to a few per cent larger than its
  // content draws it as designed, on whole pixels.
  static ContentScale fitting(QSize content, QSize client);

  double factor() const { return factor_; }
  // Positions and lengths, relative to the origin of the surface they lie on.
  int toPixels(int twips) const;
  QPoint toPixels(int x, int y) const;
  // A rectangle by its edges, so that controls that meet in twips meet in pixels.
  QRect toPixels(int left, int top, int width, int height) const;
  int toTwips(int pixels) const;
  int penWidth(int width) const;
  // The application font at the control's size and weight, scaled.
  QFont font(const QFont& base, const forms::Control& c) const;

  bool operator==(const ContentScale&) const = default;

 private:
  double factor_ = 1.0;
};

// 0x00BBGGRR, or one of the system colours (0x800000NN) taken from the palette.
QColor toQColor(Colour color, const QPalette& palette);

Qt::PenStyle penStyle(forms::LineStyle style);

inline QString text(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace dorvan::qt
