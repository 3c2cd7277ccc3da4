#pragma once
// A script line the driver cannot carry out: unknown command, unknown control, bad quoting,
// a number out of range. The driver stops there and reports `error LINE: WHAT`.

#include <string>

namespace dorvan::script {

struct ScriptError {
  int line;
  std::string what;
};

}  // namespace dorvan::script
