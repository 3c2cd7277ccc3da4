#include "forms/control_spec.h"

#include <string>

#include "forms/form.h"

namespace dorvan::forms {

void addControls(Form& form, std::span<const ControlSpec> specs) {
  for (const ControlSpec& spec : specs) {
    Control& c = form.add(spec.kind, std::string(spec.name), spec.index);
    c.caption = spec.caption;
    c.left = spec.left;
    c.top = spec.top;
    c.width = spec.width;
    c.height = spec.height;
    c.container = spec.container;
    c.visible = spec.visible;
    c.forecolor = spec.forecolor;
    c.backcolor = spec.backcolor;
    c.transparent = spec.transparent;
    c.fontSize = spec.fontSize;
    c.fontBold = spec.bold;
    c.alignment = spec.alignment;
  }
}

void addMenus(Form& form, std::span<const MenuSpec> specs) {
  for (const MenuSpec& spec : specs)
    form.addMenu(std::string(spec.name), std::string(spec.caption), std::string(spec.parent),
                 spec.index)
        .checked = spec.checked;
}

}  // namespace dorvan::forms
