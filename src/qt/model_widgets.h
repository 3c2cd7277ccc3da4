#pragma once
// Widgets whose state only the model changes, and list entries on the desktop's tab stops.

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTextOption>

namespace dorvan::qt {

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

}  // namespace dorvan::qt
