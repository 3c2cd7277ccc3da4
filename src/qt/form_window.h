#pragma once
// The on-screen window of one form. It knows no particular window: it builds widgets, menus and
// timers from the form's controls, brings them up to date from the model after every event,
// and hands every click, key and tick back to the application.

#include <QElapsedTimer>
#include <QMainWindow>
#include <QRect>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "forms/form.h"
#include "qt/board_aim.h"
#include "qt/units.h"

class QAction;
class QMenu;
class QTimer;

namespace dorvan::forms {
class Application;
}

namespace dorvan::qt {

class QtPlatform;
class Surface;

class FormWindow : public QMainWindow {
  Q_OBJECT

 public:
  FormWindow(QtPlatform& shell, forms::Form& form);
  ~FormWindow() override;

  // False once the form has been unloaded: from then on the window never touches it.
  bool attached() const { return form_ != nullptr; }
  void detach();

  // Brings the window, its widgets, menus and timers up to date with the form.
  void sync();

  // Mouse actions from the surfaces and widgets, delivered through the application.
  void deliverClick(forms::Control& c);
  void deliverMouseDown(forms::Control& c, int x, int y);
  void deliverMouseMove(forms::Control& c, int x, int y);

  Surface* client() const { return client_; }
  // How the form's twips land on this window's pixels.
  const ContentScale& scale() const { return scale_; }
  // The board target that a click at `pos` (client pixels) goes to, or nullptr when the click
  // goes where it lands; `topLabel` is the label lying there on top, if any.
  forms::Control* boardTargetAt(QPoint pos, const forms::Control* topLabel);
  // The pointer moved over the client area (nothing: it left): the line a click there would
  // draw is marked.
  void pointerAt(std::optional<QPoint> pos);
  // Brings the mark up to date after the game or a pause changed what a click would do.
  void updateHoverMark();
  // The client area changed size (the player enlarged the window, say): fit the content anew.
  void clientResized();
  // The widget of a windowed control (text box, button, picture box, ...), or nullptr; a
  // control that has never been shown has none yet.
  QWidget* widgetFor(const forms::Control& c) const;
  // The menu entry of a menu item, or nullptr.
  QAction* actionFor(const forms::Control& c) const;

  // Outer size of a window minus its client area, in pixels: borders, title and menu bar.
  static constexpr int kFrameWidth = 8;
  static constexpr int kFrameHeight = 30;
  static constexpr int kMenuHeight = 20;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // What was last applied to a windowed control's widget.
  struct Applied {
    QRect geometry;
    std::string caption;
    Colour forecolor = 0;
    Colour backcolor = 0;
    int fontSize = 0;
    bool fontBold = false;
    int alignment = -1;
    std::vector<std::string> items;
    bool enabled = true;
    bool visible = true;
    ContentScale scale;
    bool first = true;
  };
  struct Windowed {
    forms::Control* control;
    QWidget* widget;  // nullptr until the control is first shown
    Applied applied;
  };
  struct MenuEntry {
    forms::Control* control;
    QAction* action;
    std::string caption;  // as last set on the action
  };
  // A menu item's place in the menus as last built: which menu holds it, whether a separator.
  struct MenuSource {
    const forms::Control* control;
    std::string parentMenu;
    bool separator;
    bool operator==(const MenuSource&) const = default;
  };
  // A line object or label as last painted.
  using PaintSource = forms::ControlState;
  // A timer faster than the screen's frames wakes once a frame and runs the ticks that fell due
  // since, so the form sees as many ticks as ever and the window is brought up to date once.
  struct TimerEntry {
    QTimer* timer = nullptr;
    std::uint64_t phase = 0;
    int interval = 0;
    bool running = false;
    QElapsedTimer started;     // when the phase began
    std::int64_t counted = 0;  // ticks of this phase run or dropped so far
  };
  // A menu item, the menu it hangs under, and whether it is a separator or holds a menu.
  using MenuShape =
      std::vector<std::tuple<const forms::Control*, const forms::Control*, bool, bool>>;

  void deliver(std::function<void(forms::Application&, forms::Form&)> event);
  void addNewControls();
  void addShownWidgets();
  void restack();
  QWidget* makeWidget(forms::Control& c);
  Surface* surfaceFor(const std::string& container) const;
  void syncWindow();
  // How far the visible content reaches, in twips from the client's corner, within the area
  // the form gives its window.
  QSize contentExtent() const;
  void syncScale();
  void keepPlace(QSize size);
  // The part of the screen the window is on that windows may take, in pixels.
  QRect screenArea() const;
  // The desktop's frame around the client area and menu bar.
  QSize frameSize() const;
  static QPoint onScreen(QPoint wanted, QSize outer, QRect area);
  void syncWidget(Windowed& w);
  QFont buttonFont(const forms::Control& c, const QWidget* widget, QSize size) const;
  // A label's scaled font, shrunk to fit its caption into its box.
  QFont labelFont(const forms::Control& c, QSize box);
  // True when the line objects, labels or strokes differ from what was last painted.
  bool paintingChanged();
  void syncPainted();
  void syncTimers();
  void timerDue(forms::Control& timer);
  int framePeriod() const;  // milliseconds
  void syncMenus();
  bool menuSourcesChanged() const;
  void rebuildMenus(const MenuShape& shape);
  void syncFocus();
  void runPaintHandler();
  // form_window_aim.cpp: the board's targets as the pointer finds them, built once per sync.
  const std::vector<BoardTarget>& boardTargets();

  QtPlatform& shell_;
  forms::Form* form_;
  Surface* client_;
  std::size_t knownControls_ = 0;
  std::map<std::string, Surface*> containers_;  // picture boxes and frames, by folded name
  std::vector<Windowed> windowed_;
  std::map<const QObject*, forms::Control*> mouseWatched_;
  std::map<const forms::Control*, TimerEntry> timers_;
  MenuShape menuShape_;
  std::vector<MenuSource> menuSources_;
  std::vector<PaintSource> paintSources_;
  std::vector<forms::Stroke> strokeSources_;
  std::vector<MenuEntry> menus_;
  std::vector<QObject*> menuObjects_;

  // What was last applied to the window itself.
  std::string caption_;
  QRect placed_;
  bool placedOnce_ = false;
  bool maximized_ = false;
  bool hasMenus_ = false;
  std::pair<std::string, int> focus_{"", forms::kNoIndex};
  ContentScale scale_;
  bool syncing_ = false;

  std::vector<BoardTarget> boardTargets_;
  std::vector<std::vector<int>> penWidths_;  // of each target's lines, for the mark
  bool boardTargetsValid_ = false;
  std::optional<QPoint> pointer_;
  // Labels' fitted fonts by caption, box and scaled size: the window is painted anew often.
  std::map<std::tuple<std::string, int, int, double, bool>, QFont> labelFonts_;
};

}  // namespace dorvan::qt
