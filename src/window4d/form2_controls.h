#pragma once
// Helpers the tesseract window's building files share: its frames' names and control places.

#include <string>

#include "forms/control.h"

namespace dorvan::window4d {

// The window draws and plays the engine's tesseract: its names are this window's vocabulary.
using namespace game4d;

inline std::string frameName(bool mainView, int frame) {
  return (mainView ? "L" : "m") + std::to_string(frame);
}

inline void setPlace(forms::Control& c, int left, int top, int width, int height) {
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
}

}  // namespace dorvan::window4d
