// The window's menu bar, built from the form's menu items and kept up to date with them.

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

#include "qt/form_window.h"
#include "qt/units.h"

namespace dorvan::qt {

namespace {

using forms::Control;

}  // namespace

bool FormWindow::menuSourcesChanged() const {
  // Compared in place: this runs after every event, animation frames included.
  std::size_t n = 0;
  for (const Control& c : form_->controls()) {
    if (!c.isMenuItem()) continue;
    if (n >= menuSources_.size()) return true;
    const MenuSource& was = menuSources_[n++];
    if (was.control != &c || was.parentMenu != c.parentMenu || was.separator != (c.caption == "-"))
      return true;
  }
  return n != menuSources_.size();
}

void FormWindow::syncMenus() {
  if (menuSourcesChanged()) {
    menuSources_.clear();
    for (const Control& c : form_->controls()) {
      if (c.isMenuItem()) menuSources_.push_back({&c, c.parentMenu, c.caption == "-"});
    }
    MenuShape shape;
    for (const MenuSource& item : menuSources_) {
      const Control* parent = item.parentMenu.empty() ? nullptr : form_->find(item.parentMenu);
      shape.emplace_back(item.control, parent, item.separator, false);
    }
    for (auto& [item, parent, separator, holdsMenu] : shape) {
      holdsMenu = std::any_of(shape.begin(), shape.end(),
                              [&](const auto& other) { return std::get<1>(other) == item; });
    }
    if (shape != menuShape_) rebuildMenus(shape);
  }

  for (MenuEntry& m : menus_) {
    const Control& c = *m.control;
    QAction* a = m.action;
    if (!a->isSeparator() && c.caption != m.caption) {
      m.caption = c.caption;
      a->setText(text(c.caption));
    }
    if (a->isEnabled() != c.enabled) a->setEnabled(c.enabled);
    if (a->isVisible() != c.visible) a->setVisible(c.visible);
    // Only a checked item is checkable, so unchecked items show no empty box.
    if (a->isCheckable() != c.checked) a->setCheckable(c.checked);
    if (a->isChecked() != c.checked) a->setChecked(c.checked);
  }
}

void FormWindow::rebuildMenus(const MenuShape& shape) {
  menuShape_ = shape;
  for (QObject* old : menuObjects_) old->deleteLater();
  menuObjects_.clear();
  menus_.clear();
  hasMenus_ = !shape.empty();
  if (!hasMenus_) {
    if (QMenuBar* bar = menuWidget() ? menuBar() : nullptr) bar->clear();
    return;
  }
  menuBar()->clear();

  std::map<const Control*, QWidget*> holders;  // the menu that a parent item opens
  holders[nullptr] = menuBar();
  for (const auto& [item, parent, separator, holdsMenu] : shape) {
    auto* c = const_cast<Control*>(item);
    QWidget* into = holders.count(parent) ? holders[parent] : menuBar();
    QAction* action = nullptr;
    if (holdsMenu) {
      auto* menu = new QMenu(this);
      menuObjects_.push_back(menu);
      holders[item] = menu;
      action = menu->menuAction();
      // Opening a menu is its click: the window may enable or check entries before they show.
      connect(menu, &QMenu::aboutToShow, this, [this, c] { deliverClick(*c); });
    } else {
      action = new QAction(this);
      menuObjects_.push_back(action);
      action->setSeparator(separator);
      if (!c->shortcut.empty())
        action->setShortcut(QKeySequence(QString::fromStdString(c->shortcut)));
      // Queued, so that a click which rebuilds the menus never deletes the action it came from.
      connect(
          action, &QAction::triggered, this, [this, c] { deliverClick(*c); }, Qt::QueuedConnection);
    }
    into->addAction(action);
    menus_.push_back({c, action, {}});
  }
  placedOnce_ = false;  // the client area moved down by the menu bar
}

}  // namespace dorvan::qt
