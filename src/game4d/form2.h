#pragma once
// The 4D game window: the tesseract in projection, its views, turning buttons and menus.

#include "forms/form.h"

namespace dorvan::game4d {

class Form2 : public forms::Form {
 public:
  explicit Form2(forms::Application& app);
  void Form_Load() override;
};

}  // namespace dorvan::game4d
