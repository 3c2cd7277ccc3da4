#pragma once
// Twips to pixels, model colours and strings to Qt's, and line styles to pens.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <Qt>
#include <string>

#include "forms/control.h"

namespace dorvan::qt {

constexpr int kTwipsPerPixel = 15;

// Nearest whole pixel; designer positions off the window are negative and round the same way.
int toPixels(int twips);
inline int toTwips(int pixels) {
  return pixels * kTwipsPerPixel;
}

// 0x00BBGGRR, or one of the system colours (0x800000NN) taken from the palette.
QColor toQColor(Colour color, const QPalette& palette);

Qt::PenStyle penStyle(forms::LineStyle style);

inline QString text(const std::string& s) {
  return QString::fromStdString(s);
}

// The application font at the control's size and weight.
QFont controlFont(const QFont& base, const forms::Control& c);

}  // namespace dorvan::qt
