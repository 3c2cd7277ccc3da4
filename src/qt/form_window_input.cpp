// The window's input: clicks, mouse, keys, the close box, the paint handler and the focus.

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include "forms/application.h"
#include "qt/form_window.h"
#include "qt/qt_platform.h"
#include "qt/units.h"

namespace dorvan::qt {

namespace {

using forms::Control;
using forms::ControlKind;

}  // namespace

void FormWindow::deliver(std::function<void(forms::Application&, forms::Form&)> event) {
  if (!form_) return;
  forms::Form* form = form_;
  shell_.deliver([form, event = std::move(event)](forms::Application& app) { event(app, *form); });
}

void FormWindow::deliverClick(Control& c) {
  Control* target = &c;
  deliver([target](forms::Application& app, forms::Form& form) { app.click(form, *target); });
}

void FormWindow::deliverMouseDown(Control& c, int x, int y) {
  if (!form_ || !c.onMouseDown) return;
  Control* target = &c;
  deliver([=](forms::Application& app, forms::Form& form) { app.mouseDown(form, *target, x, y); });
}

void FormWindow::deliverMouseMove(Control& c, int x, int y) {
  if (!form_ || !c.onMouseMove) return;
  Control* target = &c;
  deliver([=](forms::Application& app, forms::Form& form) { app.mouseMove(form, *target, x, y); });
}

void FormWindow::closeEvent(QCloseEvent* event) {
  if (!form_ || shell_.ending()) {
    event->accept();
    return;
  }
  // The form decides: its unloading takes the window away.
  event->ignore();
  deliver([](forms::Application& app, forms::Form& form) { app.closeBox(form); });
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  if (!form_ || (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  // Enter presses the focused command button, else the window's default button.
  Control* target = nullptr;
  for (const Windowed& w : windowed_) {
    if (w.control->kind != ControlKind::CommandButton || !w.widget) continue;
    if (w.widget->hasFocus()) {
      target = w.control;
      break;
    }
    if (!target && w.control->isDefault && form_->isShown(*w.control) && w.control->enabled)
      target = w.control;
  }
  if (target) {
    deliverClick(*target);
  } else {
    QMainWindow::keyPressEvent(event);
  }
}

void FormWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  QTimer::singleShot(0, this, &FormWindow::runPaintHandler);
}

void FormWindow::runPaintHandler() {
  if (!form_) return;
  if (!shell_.takingEvents()) {
    // Nothing of the form runs during a pause that takes no input; paint once it is over.
    QTimer::singleShot(50, this, &FormWindow::runPaintHandler);
    return;
  }
  deliver([](forms::Application& app, forms::Form& form) {
    if (app.isOpen(&form)) form.Form_Paint();
  });
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  auto it = mouseWatched_.find(watched);
  if (it != mouseWatched_.end() && form_) {
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonPress) {
      auto* mouse = static_cast<QMouseEvent*>(event);
      QPoint at = mouse->position().toPoint();
      if (event->type() == QEvent::MouseMove)
        deliverMouseMove(*it->second, scale_.toTwips(at.x()), scale_.toTwips(at.y()));
      else if (mouse->button() == Qt::LeftButton)
        deliverMouseDown(*it->second, scale_.toTwips(at.x()), scale_.toTwips(at.y()));
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void FormWindow::syncFocus() {
  std::pair<std::string, int> wanted = form_->focus();
  if (wanted == focus_) return;
  focus_ = wanted;
  if (wanted.first.empty()) return;
  const Control* c = form_->find(wanted.first, wanted.second);
  if (!c) return;
  if (QWidget* widget = widgetFor(*c)) widget->setFocus(Qt::OtherFocusReason);
}

}  // namespace dorvan::qt
