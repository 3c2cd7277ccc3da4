#pragma once
// The table of the program's windows, by form name. Both front ends and the benchmarks start
// the program through it; it is the one place that knows every window.

#include "forms/application.h"

namespace dorvan::registry {

// Makes every window of the program known to the application by its form name.
void registerForms(forms::Application& app);

}  // namespace dorvan::registry
