#pragma once
// Runs a driver script against the program: reads each line and carries it out on the active
// window through the same application events that the desktop shell delivers.

#include <deque>
#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

#include "forms/application.h"
#include "script/commands.h"
#include "script/script_error.h"
#include "script/script_platform.h"

namespace dorvan::script {

class ScriptRunner {
 public:
  using Registrar = std::function<void(forms::Application&)>;

  // Starts the program with the given command line, as the game starts. Tests may start
  // windows of their own instead: `registrar` makes them known and `startupForm` loads first.
  ScriptRunner(std::ostream& transcript, std::string commandLine, Registrar registrar = {},
               const std::string& startupForm = "Form3");

  // Runs one script line (1-based number for error reports). Throws ScriptError.
  void execute(const std::string& line, int lineNumber);
  // Delivers the events still pending when the script has no command left to run.
  void finish();
  // Runs a whole script; returns the exit status (0 ran or ended, 2 script error).
  int runAll(std::istream& script, std::ostream& errors);

  bool ended() const { return platform_.ended(); }
  forms::Application& app() { return *app_; }
  ScriptPlatform& platform() { return platform_; }

 private:
  Driver driver() { return {out_, platform_, *app_}; }
  // `pending COMMAND`: COMMAND is read now and runs while the next command runs.
  void queuePending(const Arguments& args);
  // Runs the pending events in the order they were queued.
  void deliverPending();

  std::ostream& out_;
  ScriptPlatform platform_;
  std::unique_ptr<forms::Application> app_;
  std::deque<Action> pending_;
};

}  // namespace dorvan::script
