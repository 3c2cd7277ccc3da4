#pragma once
// Captions drawn in the desktop's fonts are wider than the window design allowed for. Rather
// than clip a caption or break it inside a word, its font shrinks until it fits its box.

#include <QFont>
#include <QSize>
#include <QString>

namespace dorvan::qt {

// The largest font, no larger than `font`, in which `text` fits `box` (pixels): every word
// within its width, and, when `wrap`, the lines it breaks into at spaces within its height (a
// single line always fits the height). Mnemonic ampersands take no room.
QFont fittingFont(const QFont& font, const QString& text, QSize box, bool wrap);

}  // namespace dorvan::qt
