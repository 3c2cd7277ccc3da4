#pragma once
// A drawing surface: the client area of a window, a picture box or a frame. It paints the
// window's strokes, its line objects and its labels (the lightweight controls that lie on it)
// and turns mouse actions on labels into events; windowed controls are child widgets on top.

#include <QRegion>
#include <QWidget>
#include <vector>

#include "forms/control.h"

namespace dorvan::qt {

class FormWindow;

class Surface : public QWidget {
  Q_OBJECT

 public:
  enum class Look { Client, Picture, Frame };

  // One line object or label as it is painted; equal items paint alike.
  struct Item {
    enum class Kind { Line, Label };
    Kind kind = Kind::Line;
    forms::Control* control = nullptr;
    // Line objects.
    QLine line;
    QColor color;
    int width = 1;
    Qt::PenStyle style = Qt::SolidLine;
    // Labels.
    QRect rect;
    QString caption;
    QColor fore;
    QColor back;
    bool transparent = false;
    QFont font;
    int alignment = 0;
    bool enabled = true;

    bool operator==(const Item&) const = default;
  };

  struct Stroke {
    QLine line;
    QColor color;
    int width = 1;
    bool operator==(const Stroke&) const = default;
  };

  // `container` is the picture box or frame this surface stands for; nullptr for the client.
  Surface(FormWindow& window, forms::Control* container, Look look, QWidget* parent);

  forms::Control* container() const { return container_; }
  // Where the (0, 0) of the controls inside lies: inside a picture box's border, or where the
  // window places its scaled content.
  QPoint origin() const;
  void setOffset(QPoint offset);

  // Each setter repaints only when something changed.
  void setBackground(const QColor& color);
  void setCaption(const QString& caption);
  void setItems(std::vector<Item> items);
  void setStrokes(std::vector<Stroke> strokes);
  // The glow under the line a click would draw (the client only); empty: none.
  void setHoverMarks(std::vector<Stroke> marks);
  const std::vector<Stroke>& hoverMarks() const { return hoverMarks_; }
  const std::vector<Item>& items() const { return items_; }

  // The enabled label that takes the mouse at a point (the topmost one), or nullptr.
  const Item* labelAt(QPoint pos) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void paintItem(QPainter& painter, const Item& item) const;
  // Where a line object, label or stroke paints, in pixels of this surface.
  static QRect bounds(const Item& item);
  static QRect bounds(const Stroke& stroke);
  static QRect lineBounds(const QLine& line, int width);
  template <typename Painted>
  static QRegion changedArea(const std::vector<Painted>& before, const std::vector<Painted>& after);
  // Mouse position relative to a label's corner, or to the container's inside, in twips.
  QPoint twipsWithin(const Item* item, QPoint pos) const;
  // The control a mouse action at `pos` is for (its label, if any, in `label`): on the client,
  // a board target the pointer aims at; else the topmost label, else the container.
  forms::Control* controlAt(QPoint pos, const Item*& label) const;

  FormWindow& window_;
  forms::Control* container_;
  Look look_;
  QPoint offset_;
  QColor background_;
  QString caption_;
  std::vector<Item> items_;
  std::vector<Stroke> strokes_;
  std::vector<Stroke> hoverMarks_;
  forms::Control* pressed_ = nullptr;  // the label (or container) the button went down on
};

}  // namespace dorvan::qt
