#pragma once
// One control of a window, held as plain data. Every property a person can see is a field
// here; the front ends only reflect these values, and only handlers change them.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/colour.h"

namespace dorvan::forms {

constexpr Colour kButtonFace = 0x8000000F;  // the system's face colour of buttons and windows
constexpr Colour kLightGrey = 0xC0C0C0;     // the background of the game windows
constexpr int kNoIndex = -1;                // the index of a control that is not in an array

enum class ControlKind {
  Label,
  Line,
  TextBox,
  ListBox,
  CheckBox,
  OptionButton,
  CommandButton,
  PictureBox,
  Frame,
  Timer,
  MenuItem,
};

enum class LineStyle { Solid = 1, Dash = 2, Dot = 3, DashDot = 4, DashDotDot = 5 };

// Everything a control is but its handlers: what the front ends show, and compare field by field
// to see what changed, so that no field can be left out of the comparison.
struct ControlState {
  ControlKind kind = ControlKind::Label;
  std::string name;      // as the window declares it, e.g. "Label22"
  int index = kNoIndex;  // element number within its array

  // Caption of a label, button, check box, option, frame or menu item; text of a text box.
  std::string caption;
  Colour forecolor = kWindowText;
  Colour backcolor = kButtonFace;
  bool transparent = false;  // a label that lets the drawing show through
  int fontSize = 8;          // points
  bool fontBold = false;
  int alignment = 0;  // 0 left, 1 right, 2 centre

  // Place and size in twips, relative to the container (the window or a picture box/frame).
  int left = 0, top = 0, width = 0, height = 0;
  std::string container;  // name of the picture box or frame holding it; empty for the window

  // Line objects.
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Colour color = 0;  // border colour
  int borderWidth = 1;
  LineStyle style = LineStyle::Solid;

  int value = 0;         // check box 0/1, option button 0/1
  bool checked = false;  // menu items
  bool enabled = true;
  bool visible = true;
  bool isDefault = false;  // the command button that Enter presses

  std::vector<std::string> items;  // list box entries

  int interval = 0;         // timer, milliseconds
  std::uint64_t phase = 0;  // timer: bumped whenever it is (re)started, so front ends re-time it

  std::string parentMenu;  // menu items: the name of the menu they hang under; empty on the bar
  std::string shortcut;    // menu items: the key that chooses them, as "Ctrl+N" or "F1"

  bool operator==(const ControlState&) const = default;
};

struct Control : ControlState {
  // Handlers, wired by the window to its member functions. The index is the element number.
  std::function<void(int)> onClick;
  std::function<void(int)> onTimer;
  std::function<void(int, int x, int y)> onMouseMove;
  std::function<void(int, int x, int y)> onMouseDown;
  std::function<void(int)> onChange;  // text typed into a text box

  bool isArrayElement() const { return index != kNoIndex; }
  bool isMenuItem() const { return kind == ControlKind::MenuItem; }

  // Timers restart their phase only when they go from off to on, or their interval changes.
  void setTimerEnabled(bool on) {
    if (on && !enabled) ++phase;
    enabled = on;
  }
  void setTimerInterval(int ms) {
    if (ms != interval) ++phase;
    interval = ms;
  }
};

// "Label22" and "label22" name one control: names are compared without regard to case.
std::string foldName(std::string_view name);

}  // namespace dorvan::forms
