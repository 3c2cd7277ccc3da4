#pragma once
// The invisible start-up window: it reads the command line, opens the game window that the
// command line asks for (or explains that the level is not here) and unloads itself.

#include "forms/form.h"

namespace dorvan::startup {

class Form3 : public forms::Form {
 public:
  explicit Form3(forms::Application& app) : Form(app, "Form3") {}
  void Form_Load() override;
};

}  // namespace dorvan::startup
