#include "game4d/form2.h"

#include "forms/application.h"

namespace dorvan::game4d {

Form2::Form2(forms::Application& app) : Form(app, "Form2") {
  caption = "Dorvan 2004 - 2D, 3D, 4D (Kestrel) - 4D Dorvan Basic";
  backcolor = 0xC0C0C0;
  add(forms::ControlKind::MenuItem, "opmen", 7).caption = "Normal";
  at("opmen", 7).checked = true;
  add(forms::ControlKind::MenuItem, "opmen", 8).caption = "1/2 Level";
}

void Form2::Form_Load() {
  platform::ScreenSize screen = app().platform().screenSize();
  width = screen.width;
  height = screen.height - 500;
  left = (screen.width - width) / 2;
  top = (screen.height - height) / 2 - 300;
  if (app().levelFlag == 1) {
    at("opmen", 7).checked = false;
    at("opmen", 8).checked = true;
  }
}

}  // namespace dorvan::game4d
