#include "registry/form_registry.h"

#include <memory>

#include "startup/about/about_form.h"
#include "startup/form3.h"
#include "window3d/dorvan_form.h"
#include "window4d/form2.h"

namespace dorvan::registry {

namespace {

template <typename Window>
void add(forms::Application& app, const char* name) {
  app.registerForm(name, [](forms::Application& a) { return std::make_unique<Window>(a); });
}

}  // namespace

void registerForms(forms::Application& app) {
  add<startup::Form3>(app, "Form3");
  add<window3d::DorvanForm>(app, "dorvan");
  add<window4d::Form2>(app, "Form2");
  add<startup::AboutForm>(app, "frmAbout");
}

}  // namespace dorvan::registry
