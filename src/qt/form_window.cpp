// The window itself: its caption, place and timers, and the sync that updates every part.
#include "qt/form_window.h"

#include <QGuiApplication>
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
  if (!form_ || syncing_) return;
  syncing_ = true;
  // A window coming into sight is painted whole: the repaints its widgets would each ask for
  // while they are set up would only be marked and merged, and delay the first frame.
  bool comingIntoSight = form_->visible && !isVisible();
  if (comingIntoSight) setUpdatesEnabled(false);
  if (form_->controls().size() != knownControls_) addNewControls();
  addShownWidgets();
  syncMenus();
  syncWindow();
  syncScale();
  for (Windowed& w : windowed_)
    if (w.widget) syncWidget(w);
  syncPainted();
  syncTimers();
  syncFocus();
  boardTargetsValid_ = false;
  updateHoverMark();
  if (comingIntoSight) setUpdatesEnabled(true);
  syncing_ = false;
}

void FormWindow::clientResized() {
  // A resize during sync() is seen by its own syncScale().
  if (!syncing_) sync();
}

// The scale follows the window, not what it shows at the moment: hidden controls count as much
// as shown ones, so that a panel coming into sight moves nothing.
QSize FormWindow::contentExtent() const {
  int clientWidth = toTwips(std::max(1, toPixels(form_->width) - kFrameWidth));
  int clientHeight =
      toTwips(std::max(1, toPixels(form_->height) - kFrameHeight - (hasMenus_ ? kMenuHeight : 0)));
  int right = 0;
  int bottom = 0;
  for (const Control& c : form_->controls()) {
    if (!c.container.empty()) continue;
    switch (c.kind) {
      case ControlKind::Timer:
      case ControlKind::MenuItem:
        continue;
      case ControlKind::Line:
        right = std::max({right, c.x1, c.x2});
        bottom = std::max({bottom, c.y1, c.y2});
        break;
      default:
        right = std::max(right, c.left + c.width);
        bottom = std::max(bottom, c.top + c.height);
        break;
    }
  }
  if (right <= 0 || bottom <= 0) return {clientWidth, clientHeight};
  if (form_->showsWholeDesign) return {right, bottom};
  return {std::min(right, clientWidth), std::min(bottom, clientHeight)};
}

// The content grows uniformly with a window larger than it and stands in the middle of it.
void FormWindow::syncScale() {
  QSize extent = contentExtent();
  ContentScale scale = ContentScale::fitting(extent, client_->size());
  QPoint corner((client_->width() - scale.toPixels(extent.width())) / 2,
                (client_->height() - scale.toPixels(extent.height())) / 2);
  if (scale.factor() == 1.0) corner = QPoint(0, 0);
  if (scale == scale_ && corner == client_->origin()) return;
  scale_ = scale;
  client_->setOffset(corner);
  // Everything painted is placed anew.
  paintSources_.clear();
  strokeSources_.clear();
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
    // A window larger than the screen shows its content smaller instead.
    QSize frame = frameSize();
    QRect area = screenArea();
    setMaximumSize(area.size() - frame);
    size = size.boundedTo(maximumSize());
    if (resized && isVisible() && !isMaximized()) {
      keepPlace(size);
    } else {
      resize(size);
      move(onScreen(QPoint(toPixels(place.left()), toPixels(place.top())), size + frame, area));
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
  QRect wanted(frameGeometry().topLeft(), size + frameSize());
  resize(size);
  QRect area = screenArea();
  if (wanted.right() > area.right()) wanted.moveRight(area.right());
  if (wanted.bottom() > area.bottom()) wanted.moveBottom(area.bottom());
  if (wanted.left() < area.left()) wanted.moveLeft(area.left());
  if (wanted.top() < area.top()) wanted.moveTop(area.top());
  if (wanted.topLeft() != frameGeometry().topLeft()) move(wanted.topLeft());
}

QRect FormWindow::screenArea() const {
  QScreen* display = screen() ? screen() : QGuiApplication::primaryScreen();
  return display ? display->availableGeometry() : QRect(0, 0, 1024, 768);
}

QSize FormWindow::frameSize() const {
  // Before the desktop has framed the window, its frame is taken to be the usual one.
  QSize frame = frameGeometry().size() - geometry().size();
  return isVisible() ? frame : frame.expandedTo(QSize(kFrameWidth, kFrameHeight));
}

// A window the form places beyond the screen (a cascade of further games, say) starts again
// from the screen's other side, so that each stays whole in sight and none hides another.
QPoint FormWindow::onScreen(QPoint wanted, QSize outer, QRect area) {
  auto fit = [](int at, int length, int start, int room) {
    int span = std::max(1, room - length);
    if (at < start) return start;
    return at + length <= start + room ? at : start + (at - start) % span;
  };
  return {fit(wanted.x(), outer.width(), area.left(), area.width()),
          fit(wanted.y(), outer.height(), area.top(), area.height())};
}

}  // namespace dorvan::qt
