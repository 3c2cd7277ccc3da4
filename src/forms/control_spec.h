#pragma once
// Controls and menu items declared as tables of data, and what adds a table's rows to a window
// in order. A window keeps its tables beside its code and adds them in its constructor.

#include <span>
#include <string_view>

#include "forms/control.h"

namespace dorvan::forms {

class Form;

struct ControlSpec {
  ControlKind kind = ControlKind::Label;
  std::string_view name{};
  int index = kNoIndex;
  std::string_view caption{};
  int left = 0, top = 0, width = 0, height = 0;
  std::string_view container{};
  bool visible = true;
  Colour forecolor = kWindowText;
  Colour backcolor = kButtonFace;
  bool transparent = false;
  int fontSize = 8;
  bool bold = false;
  int alignment = 0;  // 0 left, 1 right, 2 centre
};

struct MenuSpec {
  std::string_view name{};
  int index = kNoIndex;
  std::string_view caption{};
  std::string_view parent{};  // empty for a menu on the bar
  bool checked = false;
};

// Adds the rows in order, which is the order of stacking for controls (later ones lie on top)
// and the order the menu bar is laid out in.
void addControls(Form& form, std::span<const ControlSpec> specs);
void addMenus(Form& form, std::span<const MenuSpec> specs);

}  // namespace dorvan::forms
