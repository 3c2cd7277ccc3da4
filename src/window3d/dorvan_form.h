#pragma once
// The 3D game window: the lattice in perspective, its counters, menus and move exchange.

#include "forms/form.h"

namespace dorvan::window3d {

class DorvanForm : public forms::Form {
 public:
  explicit DorvanForm(forms::Application& app);
  void Form_Load() override;
};

}  // namespace dorvan::window3d
