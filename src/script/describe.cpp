#include "script/describe.h"

#include "script/quoting.h"

namespace dorvan::script {

using forms::Control;
using forms::ControlKind;

namespace {

bool hasCaption(ControlKind k) {
  return k == ControlKind::Label || k == ControlKind::CheckBox || k == ControlKind::OptionButton ||
         k == ControlKind::CommandButton || k == ControlKind::Frame || k == ControlKind::MenuItem;
}

bool hasForecolor(ControlKind k) {
  return k == ControlKind::Label || k == ControlKind::TextBox || k == ControlKind::ListBox ||
         k == ControlKind::CheckBox || k == ControlKind::OptionButton || k == ControlKind::Frame;
}

bool hasPlace(ControlKind k) {
  return k != ControlKind::Line && k != ControlKind::MenuItem && k != ControlKind::Timer;
}

void put(std::string& out, const char* key, long long value) {
  out += ' ';
  out += key;
  out += '=';
  out += std::to_string(value);
}

}  // namespace

std::string controlLabel(const Control& c) {
  return c.isArrayElement() ? c.name + "(" + std::to_string(c.index) + ")" : c.name;
}

std::string describe(const Control& c) {
  std::string out = controlLabel(c);
  ControlKind k = c.kind;
  if (hasCaption(k)) out += " caption=" + quote(c.caption);
  if (k == ControlKind::TextBox) out += " text=" + quote(c.caption);
  if (hasForecolor(k)) put(out, "forecolor", c.forecolor);
  if (k == ControlKind::Line) {
    put(out, "color", c.color);
    put(out, "x1", c.x1);
    put(out, "y1", c.y1);
    put(out, "x2", c.x2);
    put(out, "y2", c.y2);
  }
  if (hasPlace(k)) {
    put(out, "left", c.left);
    put(out, "top", c.top);
    put(out, "width", c.width);
    put(out, "height", c.height);
  }
  if (k == ControlKind::Line) {
    put(out, "width", c.borderWidth);
    put(out, "style", static_cast<int>(c.style));
  }
  if (k == ControlKind::CheckBox || k == ControlKind::OptionButton) put(out, "value", c.value);
  if (k == ControlKind::MenuItem) put(out, "checked", c.checked);
  if (k != ControlKind::Line) put(out, "enabled", c.enabled);
  if (k != ControlKind::Timer) put(out, "visible", c.visible);
  if (k == ControlKind::ListBox) {
    put(out, "items", static_cast<long long>(c.items.size()));
    for (size_t i = 0; i < c.items.size(); ++i)
      out += "\n  [" + std::to_string(i) + "] " + quote(c.items[i]);
  }
  return out;
}

std::string describe(const forms::Form& form) {
  std::string out = form.name() + " caption=" + quote(form.caption);
  put(out, "left", form.left);
  put(out, "top", form.top);
  put(out, "width", form.width);
  put(out, "height", form.height);
  put(out, "visible", form.visible);
  return out;
}

}  // namespace dorvan::script
