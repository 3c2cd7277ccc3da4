#pragma once
// A window of the program: its controls as data, its place on screen and its handlers.
// Concrete windows derive from Form, add their controls in the constructor, wire the
// controls' handlers to member functions and keep their game state as members.

#include <deque>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "forms/control.h"

namespace dorvan::forms {

class Application;

// A game table as the driver prints it: rows of values from index 1, or one value.
struct TableView {
  std::vector<std::vector<long>> rows;

  static TableView scalar(long v) { return {{{v}}}; }
  // Entries 1..last of a table indexed from 0 (all of them after index 0 when last is 0).
  template <typename Row>
  static TableView row(const Row& values, std::size_t last = 0) {
    return TableView{{entries(values, last)}};
  }
  // Rows 1..lastRow, each with entries 1..lastColumn (0: to the end).
  template <typename Table>
  static TableView rows2d(const Table& table, std::size_t lastRow = 0, std::size_t lastColumn = 0) {
    TableView view;
    if (lastRow == 0) lastRow = std::size(table) - 1;
    for (std::size_t r = 1; r <= lastRow; ++r) view.rows.push_back(entries(table[r], lastColumn));
    return view;
  }

 private:
  template <typename Row>
  static std::vector<long> entries(const Row& values, std::size_t last) {
    if (last == 0) last = std::size(values) - 1;
    return std::vector<long>(std::begin(values) + 1, std::begin(values) + last + 1);
  }
};

// The line a click on one of a board's targets plays: the line objects that show it, in every
// view of the board, and whether a click now would draw it (the line is free and open to play).
struct TargetLine {
  std::vector<const Control*> shownBy;
  bool drawable = false;
};

// A stroke drawn straight onto the window (not a line object): the about window's stars.
struct Stroke {
  int x1, y1, x2, y2;
  Colour color;
};

class Form {
 public:
  Form(Application& app, std::string name);
  virtual ~Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return name_; }
  Application& app() { return app_; }

  std::string caption;
  int left = 0, top = 0, width = 0, height = 0;  // outer size and place in twips
  bool visible = false;
  bool maximized = false;
  // A window that shows every control it has at any size, scaled to fit (one sized to the
  // screen, whose design is larger than a small screen). Otherwise what lies beyond its client
  // area is not meant to be seen at its present size.
  bool showsWholeDesign = false;
  Colour backcolor = kButtonFace;
  std::vector<Stroke> strokes;

  // Runs once, after the form has been added to the application and before it is shown.
  virtual void Form_Load() {}
  // The window has been painted (the shell calls it on first show and on every exposure).
  virtual void Form_Paint() {}
  // The person closed the window with its close box.
  virtual void Form_Unload() {}

  // The game tables that the driver's `table` command can print.
  virtual std::optional<TableView> table(std::string_view name) const;
  // The line that a click on `target` plays, when the control is one of a board's targets (one
  // that plays no line shows none); nothing for any other control. The shell marks the line
  // under the pointer and takes a click near a line to its target by it; the game never asks.
  virtual std::optional<TargetLine> targetLine(const Control& target) const;

  // Controls. `add` keeps declaration order, which is the order the shell lays out menus.
  Control& add(ControlKind kind, std::string name, int index = kNoIndex);
  Control& addMenu(std::string name, std::string caption, std::string parent = {},
                   int index = kNoIndex);
  Control* find(std::string_view name, int index = kNoIndex);
  const Control* find(std::string_view name, int index = kNoIndex) const;
  // The control must exist: a missing one is a programming error.
  Control& at(std::string_view name, int index = kNoIndex);
  const Control& at(std::string_view name, int index = kNoIndex) const;
  const std::deque<Control>& controls() const { return controls_; }
  std::deque<Control>& controls() { return controls_; }

  // A control is shown when it and every container it lies in are visible.
  bool isShown(const Control& c) const;
  // A menu item takes a click when it and every menu above it are visible and enabled.
  bool menuReachable(const Control& c) const;

  // Keyboard focus, by control; the shell moves the real focus there.
  void setFocus(const Control& c) { focus_ = {c.name, c.index}; }
  std::pair<std::string, int> focus() const { return focus_; }

  // Drawing straight onto the window, as the about window draws its stars.
  void cls() { strokes.clear(); }
  void line(int x1, int y1, int x2, int y2, Colour color) {
    strokes.push_back({x1, y1, x2, y2, color});
  }

 private:
  Application& app_;
  std::string name_;
  std::deque<Control> controls_;  // deque: references stay valid as controls are added
  std::map<std::pair<std::string, int>, Control*> byName_;
  std::pair<std::string, int> focus_{"", kNoIndex};
};

}  // namespace dorvan::forms
