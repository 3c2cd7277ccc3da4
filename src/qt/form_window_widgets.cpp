// The window's windowed controls: a widget for each, on its container, kept up to date.

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <deque>

#include "forms/application.h"
#include "qt/fitting_font.h"
#include "qt/form_window.h"
#include "qt/model_widgets.h"
#include "qt/surface.h"
#include "qt/units.h"

namespace dorvan::qt {

namespace {

using forms::Control;
using forms::ControlKind;

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

// The room a command button leaves its caption, across and down.
constexpr QSize kButtonMargins{8, 4};

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
QColor fieldBackground(Colour color, const QPalette& palette) {
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

// The scaled font, shrunk as far as the caption needs to fit beside the check mark or within
// the button's face; a command button's caption may break into lines at its spaces.
QFont FormWindow::buttonFont(const Control& c, const QWidget* widget, QSize size) const {
  QFont scaled = scale_.font(font(), c);
  QStyle* style = widget->style();
  switch (c.kind) {
    case ControlKind::CommandButton:
      return fittingFont(scaled, text(c.caption), size - kButtonMargins, true);
    case ControlKind::CheckBox:
      size.rwidth() -= style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget) +
                       style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, widget);
      return fittingFont(scaled, text(c.caption), size, false);
    case ControlKind::OptionButton:
      size.rwidth() -= style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, widget) +
                       style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, widget);
      return fittingFont(scaled, text(c.caption), size, false);
    default:
      return scaled;
  }
}

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
  // Containers at once, so that every control and painted item finds the surface it lies on;
  // the other widgets wait until their control is first shown.
  for (std::size_t i = firstNew; i < controls.size(); ++i) {
    Control& c = controls[i];
    if (!isWindowed(c)) continue;
    windowed_.push_back({&c, isContainer(c) ? makeWidget(c) : nullptr, {}});
  }
  restack();
}

// A hidden control's widget is built when the control first comes into sight: most of them
// never do in a session, and building them all would delay the window's first frame.
void FormWindow::addShownWidgets() {
  bool added = false;
  for (Windowed& w : windowed_) {
    if (w.widget || !form_->isShown(*w.control)) continue;
    Control& c = *w.control;
    w.widget = makeWidget(c);
    if (c.onMouseMove || c.onMouseDown) {  // surfaces deliver their own mouse events
      w.widget->setMouseTracking(true);
      w.widget->installEventFilter(this);
      mouseWatched_[w.widget] = &c;
    }
    added = true;
  }
  if (added) restack();
}

// Parents every widget to its container and stacks them in declaration order.
void FormWindow::restack() {
  for (Windowed& w : windowed_) {
    if (!w.widget) continue;
    Surface* parent = surfaceFor(w.control->container);
    if (parent == w.widget) parent = client_;
    if (w.widget->parentWidget() != parent) {
      w.widget->setParent(parent);
      w.applied.first = true;  // reparenting hides the widget; apply everything again
    }
    w.widget->raise();
  }
}

void FormWindow::syncWidget(Windowed& w) {
  const Control& c = *w.control;
  Applied& a = w.applied;
  QWidget* widget = w.widget;
  Surface* parent = surfaceFor(c.container);
  if (parent == widget) parent = client_;
  QPoint origin = parent->origin();
  QRect geometry = scale_.toPixels(c.left, c.top, c.width, c.height).translated(origin);

  if (a.first || geometry != a.geometry) widget->setGeometry(geometry);
  bool fontChanged =
      a.first || c.fontSize != a.fontSize || c.fontBold != a.fontBold || scale_ != a.scale;
  bool captioned = c.kind == ControlKind::CheckBox || c.kind == ControlKind::OptionButton ||
                   c.kind == ControlKind::CommandButton;
  // A button's font fits its caption into its box, so a new caption or size may change it.
  bool layoutChanged =
      fontChanged || (captioned && (c.caption != a.caption || geometry != a.geometry));
  if (layoutChanged)
    widget->setFont(captioned ? buttonFont(c, widget, geometry.size()) : scale_.font(font(), c));
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
        if (layoutChanged)
          button->setText(wrapped(text(c.caption), button->fontMetrics(),
                                  geometry.width() - kButtonMargins.width()));
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
  a.scale = scale_;
  a.first = false;
}

}  // namespace dorvan::qt
