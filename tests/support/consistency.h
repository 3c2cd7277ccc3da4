#pragma once
// What is wrong with an open window's state, if anything. The randomised runs and the fuzzing of
// the scenarios ask after every step. Every window keeps the rules of the control model; the two
// game windows and the about window keep their own besides. Each problem comes as a sentence.

#include <string>
#include <vector>

#include "forms/form.h"

namespace dorvan::support {

std::vector<std::string> consistencyProblems(const forms::Form& form);

}  // namespace dorvan::support
