#pragma once
// The driver's `show` lines for controls and windows.

#include <string>

#include "forms/form.h"

namespace dorvan::script {

// "NAME(INDEX)" for an array element, "NAME" otherwise.
std::string controlLabel(const forms::Control& c);
// The control's properties in the driver's fixed order, list entries on lines of their own.
std::string describe(const forms::Control& c);
std::string describe(const forms::Form& form);

}  // namespace dorvan::script
