// The window itself: its caption, place and timers, and the sync that updates every part.
#include "qt/form_window.h"

#include <QMenuBar>
#include <QTimer>
#include <algorithm>

#include "forms/application.h"
#include "qt/qt_platform.h"
#include "qt/surface.h"
#include "qt/units.h"

namespace dorvan::qt {

namespace {

using forms::Control;
using forms::ControlKind;

}  // namespace

FormWindow::FormWindow(QtPlatform& shell, forms::Form& form)
    : shell_(shell),
      form_(&form),
      client_(new Surface(*this, nullptr, Surface::Look::Client, this)) {
  setCentralWidget(client_);
  setAttribute(Qt::WA_DeleteOnClose, false);
}

FormWindow::~FormWindow() = default;

void FormWindow::detach() {
  form_ = nullptr;
  for (auto& [control, entry] : timers_) entry.timer->stop();
}

QWidget* FormWindow::widgetFor(const Control& c) const {
  for (const Windowed& w : windowed_)
    if (w.control == &c) return w.widget;
  return nullptr;
}

QAction* FormWindow::actionFor(const Control& c) const {
  for (const MenuEntry& m : menus_)
    if (m.control == &c) return m.action;
  return nullptr;
}

// ---- syncing -------------------------------------------------------------------------------

void FormWindow::sync() {
  if (!form_) return;
  if (form_->controls().size() != knownControls_) addNewControls();
  syncMenus();
  syncWindow();
  for (Windowed& w : windowed_) syncWidget(w);
  syncPainted();
  syncTimers();
  syncFocus();
}

void FormWindow::syncWindow() {
  if (form_->caption != caption_ || windowTitle().isEmpty() != caption_.empty()) {
    caption_ = form_->caption;
    setWindowTitle(text(caption_));
  }
  client_->setBackground(toQColor(form_->backcolor, palette()));

  QRect place(form_->left, form_->top, form_->width, form_->height);
  if (!placedOnce_ || place != placed_ || form_->maximized != maximized_) {
    placedOnce_ = true;
    placed_ = place;
    maximized_ = form_->maximized;
    int menuHeight = hasMenus_ ? menuBar()->sizeHint().height() : 0;
    int clientWidth = std::max(1, toPixels(place.width()) - kFrameWidth);
    int clientHeight =
        std::max(1, toPixels(place.height()) - kFrameHeight - (hasMenus_ ? kMenuHeight : 0));
    resize(clientWidth, clientHeight + menuHeight);
    move(toPixels(place.left()), toPixels(place.top()));
    if (isVisible()) {
      if (maximized_ && !isMaximized()) showMaximized();
      if (!maximized_ && isMaximized()) showNormal();
    }
  }

  if (shell_.ending()) return;
  if (form_->visible && !isVisible()) {
    if (maximized_)
      showMaximized();
    else
      show();
  } else if (!form_->visible && isVisible()) {
    hide();
  }
}

}  // namespace dorvan::qt
