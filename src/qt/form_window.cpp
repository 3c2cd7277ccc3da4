#include "qt/form_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTextOption>
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

// Check boxes and option buttons change their value only through the model: a click asks the
// application, which sets the value, and the next sync shows it.
class ModelCheckBox : public QCheckBox {
 public:
  explicit ModelCheckBox(QWidget* parent) : QCheckBox(parent) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);  // buttons fill with the button face otherwise
  }

 protected:
  void nextCheckState() override {}
};

class ModelOptionButton : public QRadioButton {
 public:
  explicit ModelOptionButton(QWidget* parent) : QRadioButton(parent) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    setAutoExclusive(false);  // the application clears the other options of the group
  }

 protected:
  void nextCheckState() override {}
};

// List entries line up their tab-separated fields on the stops of the desktop's list boxes:
// one every eight average character widths, where Qt's own default would be far wider.
class TabStopDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem plain = option;
    initStyleOption(&plain, index);
    const QString entry = plain.text;
    plain.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, widget);

    QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
    layout.setWrapMode(QTextOption::NoWrap);
    layout.setTabStopDistance(tabStop(option.fontMetrics));
    QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &plain, widget);
    bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(option.font);
    painter->drawText(QRectF(area.adjusted(2, 0, 0, 0)), entry, layout);
    painter->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QFontMetrics& metrics = option.fontMetrics;
    const QString entry = index.data(Qt::DisplayRole).toString();
    size.setWidth(metrics.size(Qt::TextExpandTabs, entry, tabStop(metrics)).width() + 8);
    return size;
  }

 private:
  static int tabStop(const QFontMetrics& metrics) { return 8 * metrics.averageCharWidth(); }
};

QString text(const std::string& s) {
  return QString::fromStdString(s);
}

// A command button breaks a caption too long for one line at its spaces, as the desktop's own
// buttons did; a single word that is still too long is left whole.
QString wrapped(const QString& caption, const QFontMetrics& metrics, int width) {
  if (width <= 0 || metrics.horizontalAdvance(caption) <= width) return caption;
  QStringList lines;
  QString line;
  for (const QString& word : caption.split(' ')) {
    QString longer = line.isEmpty() ? word : line + ' ' + word;
    if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
      lines << line;
      line = word;
    } else {
      line = longer;
    }
  }
  lines << line;
  return lines.join('\n');
}

bool isContainer(const Control& c) {
  return c.kind == ControlKind::PictureBox || c.kind == ControlKind::Frame;
}

bool isWindowed(const Control& c) {
  switch (c.kind) {
    case ControlKind::TextBox:
    case ControlKind::ListBox:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::CommandButton:
    case ControlKind::PictureBox:
    case ControlKind::Frame:
      return true;
    default:
      return false;
  }
}

// Text and list boxes keep the light background of edit fields unless given another colour.
QColor fieldBackground(forms::Color color, const QPalette& palette) {
  return color == forms::kButtonFace ? palette.color(QPalette::Base) : toQColor(color, palette);
}

// Gives a widget the control's colours in the roles it paints its background and text with.
void setColours(QWidget* widget, QPalette::ColorRole backRole, const QColor& back,
                QPalette::ColorRole foreRole, const QColor& fore) {
  QPalette p = widget->palette();
  p.setColor(backRole, back);
  p.setColor(foreRole, fore);
  widget->setPalette(p);
}

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

// ---- events --------------------------------------------------------------------------------

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
    if (w.control->kind != ControlKind::CommandButton) continue;
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
        deliverMouseMove(*it->second, toTwips(at.x()), toTwips(at.y()));
      else if (mouse->button() == Qt::LeftButton)
        deliverMouseDown(*it->second, toTwips(at.x()), toTwips(at.y()));
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

// ---- building ------------------------------------------------------------------------------

Surface* FormWindow::surfaceFor(const std::string& container) const {
  if (container.empty()) return client_;
  auto it = containers_.find(forms::foldName(container));
  return it == containers_.end() ? client_ : it->second;
}

QWidget* FormWindow::makeWidget(Control& c) {
  Control* target = &c;
  switch (c.kind) {
    case ControlKind::TextBox: {
      auto* edit = new QLineEdit(this);
      connect(edit, &QLineEdit::textEdited, this, [this, target](const QString& typed) {
        std::string value = typed.toStdString();
        deliver([target, value](forms::Application& app, forms::Form& form) {
          app.typeText(form, *target, value);
        });
      });
      return edit;
    }
    case ControlKind::ListBox: {
      auto* list = new QListWidget(this);
      list->setItemDelegate(new TabStopDelegate(list));
      connect(list, &QListWidget::itemClicked, this, [this, target] { deliverClick(*target); });
      return list;
    }
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::CommandButton: {
      QAbstractButton* button = nullptr;
      if (c.kind == ControlKind::CheckBox) {
        button = new ModelCheckBox(this);
      } else if (c.kind == ControlKind::OptionButton) {
        button = new ModelOptionButton(this);
      } else {
        auto* push = new QPushButton(this);
        push->setAutoDefault(false);
        button = push;
      }
      connect(button, &QAbstractButton::clicked, this, [this, target] { deliverClick(*target); });
      return button;
    }
    case ControlKind::PictureBox:
    case ControlKind::Frame: {
      auto look = c.kind == ControlKind::Frame ? Surface::Look::Frame : Surface::Look::Picture;
      auto* surface = new Surface(*this, target, look, this);
      containers_[forms::foldName(c.name)] = surface;
      return surface;
    }
    default:
      return nullptr;
  }
}

void FormWindow::addNewControls() {
  std::deque<Control>& controls = form_->controls();
  std::size_t firstNew = knownControls_;
  knownControls_ = controls.size();
  // Containers first, so that every control finds the surface it lies on.
  for (std::size_t i = firstNew; i < controls.size(); ++i) {
    Control& c = controls[i];
    if (!isWindowed(c)) continue;
    QWidget* widget = makeWidget(c);
    windowed_.push_back({&c, widget, {}});
    if (c.onMouseMove || c.onMouseDown) {
      if (!isContainer(c)) {  // surfaces deliver their own mouse events
        widget->setMouseTracking(true);
        widget->installEventFilter(this);
        mouseWatched_[widget] = &c;
      }
    }
  }
  // Parent every widget to its container and stack them in declaration order.
  for (Windowed& w : windowed_) {
    Surface* parent = surfaceFor(w.control->container);
    if (parent == w.widget) parent = client_;
    if (w.widget->parentWidget() != parent) {
      w.widget->setParent(parent);
      w.applied.first = true;  // reparenting hides the widget; apply everything again
    }
    w.widget->raise();
  }
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

void FormWindow::syncWidget(Windowed& w) {
  const Control& c = *w.control;
  Applied& a = w.applied;
  QWidget* widget = w.widget;
  Surface* parent = surfaceFor(c.container);
  if (parent == widget) parent = client_;
  QPoint origin = parent->origin();
  QRect geometry(origin.x() + toPixels(c.left), origin.y() + toPixels(c.top), toPixels(c.width),
                 toPixels(c.height));

  if (a.first || geometry != a.geometry) widget->setGeometry(geometry);
  if (a.first || c.fontSize != a.fontSize || c.fontBold != a.fontBold)
    widget->setFont(controlFont(font(), c));
  bool coloursChanged = a.first || c.forecolor != a.forecolor || c.backcolor != a.backcolor;

  switch (c.kind) {
    case ControlKind::TextBox: {
      auto* edit = static_cast<QLineEdit*>(widget);
      if (edit->text().toStdString() != c.caption) edit->setText(text(c.caption));
      if (a.first || c.alignment != a.alignment) {
        Qt::Alignment align = c.alignment == 1   ? Qt::AlignRight
                              : c.alignment == 2 ? Qt::AlignHCenter
                                                 : Qt::AlignLeft;
        edit->setAlignment(align | Qt::AlignVCenter);
      }
      if (coloursChanged)
        setColours(edit, QPalette::Base, fieldBackground(c.backcolor, palette()), QPalette::Text,
                   toQColor(c.forecolor, palette()));
      break;
    }
    case ControlKind::ListBox: {
      auto* list = static_cast<QListWidget*>(widget);
      if (a.first || c.items != a.items) {
        list->clear();
        for (const std::string& item : c.items) list->addItem(text(item));
      }
      if (coloursChanged)
        setColours(list, QPalette::Base, fieldBackground(c.backcolor, palette()), QPalette::Text,
                   toQColor(c.forecolor, palette()));
      break;
    }
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::CommandButton: {
      auto* button = static_cast<QAbstractButton*>(widget);
      if (c.kind == ControlKind::CommandButton) {
        if (a.first || c.caption != a.caption || geometry != a.geometry ||
            c.fontSize != a.fontSize || c.fontBold != a.fontBold)
          button->setText(wrapped(text(c.caption), button->fontMetrics(), geometry.width() - 8));
      } else if (a.first || c.caption != a.caption) {
        button->setText(text(c.caption));
      }
      if (c.kind != ControlKind::CommandButton) {
        button->setCheckable(true);
        if (button->isChecked() != (c.value != 0)) button->setChecked(c.value != 0);
        if (coloursChanged)
          setColours(button, QPalette::Window, toQColor(c.backcolor, palette()),
                     QPalette::WindowText, toQColor(c.forecolor, palette()));
      }
      break;
    }
    case ControlKind::PictureBox:
    case ControlKind::Frame: {
      auto* surface = static_cast<Surface*>(widget);
      surface->setBackground(toQColor(c.backcolor, palette()));
      surface->setCaption(c.kind == ControlKind::Frame ? text(c.caption) : QString());
      break;
    }
    default:
      break;
  }

  if (a.first || c.enabled != a.enabled) widget->setEnabled(c.enabled);
  if (a.first || c.visible != a.visible) widget->setVisible(c.visible);

  a.geometry = geometry;
  a.caption = c.caption;
  a.forecolor = c.forecolor;
  a.backcolor = c.backcolor;
  a.fontSize = c.fontSize;
  a.fontBold = c.fontBold;
  a.alignment = c.alignment;
  if (c.kind == ControlKind::ListBox) a.items = c.items;
  a.enabled = c.enabled;
  a.visible = c.visible;
  a.first = false;
}

bool FormWindow::paintingChanged() {
  // Compared in place, so that an unchanged window costs no copies.
  auto fields = [](const Control& c) {
    return std::tie(c.kind, c.x1, c.y1, c.x2, c.y2, c.left, c.top, c.width, c.height, c.color,
                    c.forecolor, c.backcolor, c.borderWidth, c.style, c.caption, c.container,
                    c.fontSize, c.alignment, c.transparent, c.fontBold, c.enabled, c.visible);
  };
  auto painted = [](const Control& c) {
    return c.kind == ControlKind::Line || c.kind == ControlKind::Label;
  };
  auto sameStroke = [](const forms::Stroke& a, const forms::Stroke& b) {
    return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.color == b.color;
  };
  bool same = std::equal(form_->strokes.begin(), form_->strokes.end(), strokeSources_.begin(),
                         strokeSources_.end(), sameStroke);
  std::size_t n = 0;
  for (const Control& c : form_->controls()) {
    if (!same) break;
    if (!painted(c)) continue;
    same = n < paintSources_.size() && paintSources_[n] == fields(c);
    ++n;
  }
  if (same && n == paintSources_.size()) return false;

  paintSources_.clear();
  for (const Control& c : form_->controls())
    if (painted(c)) paintSources_.emplace_back(fields(c));
  strokeSources_ = form_->strokes;
  return true;
}

void FormWindow::syncPainted() {
  if (!paintingChanged()) return;
  std::map<Surface*, std::vector<Surface::Item>> painted;
  painted[client_];
  for (auto& [name, surface] : containers_) painted[surface];
  const QPalette& pal = palette();
  for (Control& c : form_->controls()) {
    if (c.kind != ControlKind::Line && c.kind != ControlKind::Label) continue;
    if (!c.visible) continue;
    Surface* surface = surfaceFor(c.container);
    QPoint o = surface->origin();
    Surface::Item item;
    item.control = &c;
    if (c.kind == ControlKind::Line) {
      item.kind = Surface::Item::Kind::Line;
      item.line = QLine(o.x() + toPixels(c.x1), o.y() + toPixels(c.y1), o.x() + toPixels(c.x2),
                        o.y() + toPixels(c.y2));
      item.color = toQColor(c.color, pal);
      item.width = c.borderWidth;
      item.style = penStyle(c.style);
    } else {
      item.kind = Surface::Item::Kind::Label;
      item.rect = QRect(o.x() + toPixels(c.left), o.y() + toPixels(c.top), toPixels(c.width),
                        toPixels(c.height));
      item.caption = text(c.caption);
      item.fore = toQColor(c.forecolor, pal);
      item.back = toQColor(c.backcolor, pal);
      item.transparent = c.transparent;
      item.font = controlFont(font(), c);
      item.alignment = c.alignment;
      item.enabled = c.enabled;
    }
    painted[surface].push_back(std::move(item));
  }
  for (auto& [surface, items] : painted) surface->setItems(std::move(items));

  std::vector<Surface::Stroke> strokes;
  strokes.reserve(form_->strokes.size());
  for (const forms::Stroke& s : form_->strokes) {
    strokes.push_back({QLine(toPixels(s.x1), toPixels(s.y1), toPixels(s.x2), toPixels(s.y2)),
                       toQColor(s.color, pal)});
  }
  client_->setStrokes(std::move(strokes));
}

void FormWindow::syncTimers() {
  for (Control& c : form_->controls()) {
    if (c.kind != ControlKind::Timer) continue;
    TimerEntry& entry = timers_[&c];
    if (!entry.timer) {
      entry.timer = new QTimer(this);
      entry.timer->setTimerType(Qt::PreciseTimer);
      Control* target = &c;
      connect(entry.timer, &QTimer::timeout, this, [this, target] {
        deliver([target](forms::Application& app, forms::Form& form) { app.tick(form, *target); });
      });
    }
    bool wanted = c.enabled && c.interval > 0;
    if (!wanted) {
      if (entry.running) entry.timer->stop();
      entry.running = false;
      continue;
    }
    // A new phase starts the count of intervals again.
    if (!entry.running || entry.phase != c.phase || entry.interval != c.interval) {
      entry.timer->start(c.interval);
      entry.running = true;
      entry.phase = c.phase;
      entry.interval = c.interval;
    }
  }
}

void FormWindow::syncMenus() {
  std::vector<MenuSource> sources;
  for (const Control& c : form_->controls()) {
    if (c.isMenuItem()) sources.push_back({&c, c.parentMenu, c.caption == "-"});
  }
  if (sources != menuSources_) {
    menuSources_ = std::move(sources);
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
