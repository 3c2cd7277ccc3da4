#pragma once
// A message box with an OK button only, the way the windows tell the player something.

#include <string>
#include <string_view>

#include "forms/application.h"

namespace dorvan::forms {

inline void tell(Application& app, std::string_view text, std::string_view title = {},
                 platform::Icon icon = platform::Icon::None) {
  app.platform().messageBox(std::string(text), std::string(title), platform::Buttons::Ok, icon, 1);
}

}  // namespace dorvan::forms
