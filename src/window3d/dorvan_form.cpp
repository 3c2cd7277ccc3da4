#include "window3d/dorvan_form.h"

#include "forms/application.h"

namespace dorvan::window3d {

namespace {
constexpr int kNormalWidth = 8595;
constexpr int kNormalHeight = 7485;
}  // namespace

DorvanForm::DorvanForm(forms::Application& app) : Form(app, "dorvan") {
  caption = "Dorvan 2004 - 2D, 3D, 4D (Kestrel) - Dorvan Squared";
  width = kNormalWidth;
  height = kNormalHeight;
  backcolor = 0xC0C0C0;
  forms::Control& status = add(forms::ControlKind::Label, "Label33");
  status.caption = "Click a line to start playing";
  status.forecolor = 0xFF0000;
  status.left = 960;
  status.top = 6360;
  status.width = 6600;
  status.height = 300;
  status.transparent = true;
}

void DorvanForm::Form_Load() {
  platform::ScreenSize screen = app().platform().screenSize();
  left = (screen.width - width) / 2;
  top = (screen.height - height) / 2;
}

}  // namespace dorvan::window3d
