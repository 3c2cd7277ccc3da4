#pragma once
// Runs a driver script against the program: parses each line and carries it out on the
// active window through the same application events that the desktop shell delivers.

#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

#include "forms/application.h"
#include "script/script_platform.h"

namespace dorvan::script {

// A line the driver cannot carry out: unknown command, unknown control, bad quoting.
struct ScriptError {
  int line;
  std::string what;
};

class ScriptRunner {
 public:
  using Registrar = std::function<void(forms::Application&)>;

  // Starts the program with the given command line, as the game starts. Tests may start
  // windows of their own instead: `registrar` makes them known and `startupForm` loads first.
  ScriptRunner(std::ostream& transcript, std::string commandLine, Registrar registrar = {},
               const std::string& startupForm = "Form3");

  // Runs one script line (1-based number for error reports). Throws ScriptError.
  void execute(const std::string& line, int lineNumber);
  // Runs a whole script; returns the exit status (0 ran or ended, 2 script error).
  int runAll(std::istream& script, std::ostream& errors);

  bool ended() const { return platform_.ended(); }
  forms::Application& app() { return *app_; }
  ScriptPlatform& platform() { return platform_; }

 private:
  forms::Control& control(forms::Form& form, const std::string& name, int index, int line);

  std::ostream& out_;
  ScriptPlatform platform_;
  std::unique_ptr<forms::Application> app_;
};

}  // namespace dorvan::script
