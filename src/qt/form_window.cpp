// The window itself: its caption, place and timers, and the sync that updates every part.
#include "qt/form_window.h"

#include <QMenuBar>
#include <QScreen>
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
    // The menu bar appearing also changes the size (placedOnce_ is cleared when it is built).
    bool resized = !placedOnce_ || place.size() != placed_.size();
    placedOnce_ = true;
    maximized_ = form_->maximized;
    int menuHeight = hasMenus_ ? menuBar()->sizeHint().height() : 0;
    int clientWidth = std::max(1, toPixels(place.width()) - kFrameWidth);
    int clientHeight =
        std::max(1, toPixels(place.height()) - kFrameHeight - (hasMenus_ ? kMenuHeight : 0));
    placed_ = place;
    QSize size(clientWidth, clientHeight + menuHeight);
    if (resized && isVisible() && !isMaximized()) {
      keepPlace(size);
    } else {
      resize(size);
      move(toPixels(place.left()), toPixels(place.top()));
    }
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

// A shown window that the form makes wider or narrower (a side panel coming into sight, say)
// keeps its place: it grows to the right and moves only as far as it must to stay on the
// screen. Re-centring it as the form does would make it jump under the player's pointer, and
// the player may have moved it.
void FormWindow::keepPlace(QSize size) {
  QSize frame = frameGeometry().size() - geometry().size();
  QRect wanted(frameGeometry().topLeft(), size + frame);
  resize(size);
  if (QScreen* display = screen()) {
    QRect screenArea = display->availableGeometry();
    if (wanted.right() > screenArea.right()) wanted.moveRight(screenArea.right());
    if (wanted.bottom() > screenArea.bottom()) wanted.moveBottom(screenArea.bottom());
    if (wanted.left() < screenArea.left()) wanted.moveLeft(screenArea.left());
    if (wanted.top() < screenArea.top()) wanted.moveTop(screenArea.top());
  }
  if (wanted.topLeft() != frameGeometry().topLeft()) move(wanted.topLeft());
}

}  // namespace dorvan::qt
