#include "window_system_input.h"

#include <qpa/qwindowsysteminterface.h>

#include <QWidget>
#include <QWindow>

namespace dorvan::qt::testing {

namespace {
using Queued = QWindowSystemInterface::AsynchronousDelivery;
}

void queueClick(QWidget* widget, QPoint pos) {
  QWindow* window = widget->window()->windowHandle();
  QPointF global = widget->mapToGlobal(QPointF(pos));
  QPointF local = window->mapFromGlobal(global);
  QWindowSystemInterface::handleMouseEvent<Queued>(window, local, global, Qt::LeftButton,
                                                   Qt::LeftButton, QEvent::MouseButtonPress);
  QWindowSystemInterface::handleMouseEvent<Queued>(window, local, global, Qt::NoButton,
                                                   Qt::LeftButton, QEvent::MouseButtonRelease);
}

void queueKey(QWidget* widget, Qt::Key key) {
  QWindow* window = widget->window()->windowHandle();
  QWindowSystemInterface::handleKeyEvent<Queued>(window, QEvent::KeyPress, key, Qt::NoModifier);
  QWindowSystemInterface::handleKeyEvent<Queued>(window, QEvent::KeyRelease, key, Qt::NoModifier);
}

}  // namespace dorvan::qt::testing
