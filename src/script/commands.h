#pragma once
// The driver's commands. Reading a line checks everything that can be checked without the
// program (arguments, numbers, answers); what it names on a window is looked up when it runs,
// on the window active then.

#include <functional>
#include <ostream>

#include "forms/application.h"
#include "script/arguments.h"
#include "script/script_platform.h"

namespace dorvan::script {

// What the commands act on.
struct Driver {
  std::ostream& out;
  ScriptPlatform& platform;
  forms::Application& app;
};

// A command read from its line, ready to run.
using Action = std::function<void()>;

// Reads one command; throws ScriptError for an unknown command or bad arguments.
Action readCommand(const Driver& driver, const Arguments& args);

}  // namespace dorvan::script
