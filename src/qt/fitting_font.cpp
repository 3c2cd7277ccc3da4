#include "qt/fitting_font.h"

#include <QFontMetricsF>
#include <QRegularExpression>
#include <algorithm>

namespace dorvan::qt {

namespace {

constexpr double kStep = 0.92;           // each try is this much smaller than the last
constexpr double kSmallestPoints = 4.0;  // below this nothing reads; stop shrinking

bool fits(const QFont& font, const QString& text, QSize box, bool wrap) {
  QFontMetricsF metrics(font);
  const QRectF unbounded(0, 0, 1e6, 1e6);
  static const QRegularExpression kSpaces(QStringLiteral("\\s+"));
  const QStringList words = wrap ? text.split(kSpaces, Qt::SkipEmptyParts) : QStringList{text};
  for (const QString& word : words)
    if (metrics.boundingRect(unbounded, Qt::TextShowMnemonic, word).width() > box.width())
      return false;
  if (!wrap) return true;
  QRectF laidOut = metrics.boundingRect(QRectF(0, 0, box.width(), 1e6),
                                        Qt::TextWordWrap | Qt::TextShowMnemonic, text);
  return laidOut.height() <= std::max<double>(box.height(), metrics.height());
}

}  // namespace

QFont fittingFont(const QFont& font, const QString& text, QSize box, bool wrap) {
  if (text.trimmed().isEmpty() || box.width() <= 0 || font.pointSizeF() <= 0) return font;
  QFont fitted = font;
  while (!fits(fitted, text, box, wrap) && fitted.pointSizeF() * kStep >= kSmallestPoints)
    fitted.setPointSizeF(fitted.pointSizeF() * kStep);
  return fitted;
}

}  // namespace dorvan::qt
