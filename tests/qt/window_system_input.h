#pragma once
// Input as the window system delivers it: queued for the event loop to take, so that a loop
// which leaves user input aside sees it only later, as it does with a real mouse and keyboard.

#include <QPoint>
#include <Qt>

class QWidget;

namespace dorvan::qt::testing {

// A left click at a point of the widget, and a key press and release on its window.
void queueClick(QWidget* widget, QPoint pos);
void queueKey(QWidget* widget, Qt::Key key);

}  // namespace dorvan::qt::testing
