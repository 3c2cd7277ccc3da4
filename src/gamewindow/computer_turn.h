#pragma once
// What the computer's turn is like in either window: its random draws come from the program's
// one never-seeded source, and each of its pauses lasts a second and takes no input.

#include "forms/application.h"
#include "rules/computer.h"

namespace dorvan::gamewindow {

rules::RandomDraw programDraw(forms::Application& app);
void computerPause(forms::Application& app);

}  // namespace dorvan::gamewindow
