#include "script/script_runner.h"

#include <filesystem>

#include "registry/form_registry.h"
#include "script/limits.h"
#include "script/quoting.h"
#include "script/script_file.h"

namespace dorvan::script {

ScriptRunner::ScriptRunner(std::ostream& transcript, std::string commandLine, Registrar registrar,
                           const std::string& startupForm)
    : out_(transcript), platform_(transcript) {
  app_ = std::make_unique<forms::Application>(platform_, std::move(commandLine));
  platform_.attach(*app_);
  platform_.setEventsHook([this] { deliverPending(); });
  platform_.setWorkingDirectory(std::filesystem::current_path().string());
  if (registrar)
    registrar(*app_);
  else
    registry::registerForms(*app_);
  app_->start(startupForm);
  platform_.syncTimers();
}

void ScriptRunner::execute(const std::string& text, int line) {
  size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos || text[first] == '#') return;
  auto tokens = tokenize(text);
  if (!tokens) throw ScriptError{line, "bad quoting"};
  Arguments args(std::move(*tokens), line);
  if (args.command() == "pending") {
    queuePending(args);
    return;
  }
  readCommand(driver(), args)();
  // What the command gave no chance to run arrives now.
  deliverPending();
  platform_.syncTimers();
}

void ScriptRunner::queuePending(const Arguments& args) {
  if (args.size() < 2) args.fail("pending needs a command");
  Arguments command = args.rest();
  if (command.command() == "pending") args.fail("pending takes a command other than pending");
  pending_.push_back(readCommand(driver(), command));
}

void ScriptRunner::deliverPending() {
  // Taken off the queue first: an event that pauses again finds nothing left to deliver.
  std::deque<Action> due;
  due.swap(pending_);
  for (const Action& event : due) {
    if (platform_.ended()) return;
    event();
    platform_.syncTimers();
  }
}

void ScriptRunner::finish() {
  deliverPending();
}

int ScriptRunner::runAll(std::istream& script, std::ostream& errors) {
  std::string text;
  int line = 0;
  try {
    while (!platform_.ended()) {
      LineRead read = readLine(script, text, kMaxLineBytes);
      if (read == LineRead::End) break;
      ++line;
      if (read == LineRead::TooLong)
        throw ScriptError{line, "line longer than " + std::to_string(kMaxLineBytes) + " bytes"};
      execute(text, line);
    }
    finish();
  } catch (const ScriptError& e) {
    out_.flush();
    errors << "error " << e.line << ": " << shortened(e.what) << "\n";
    return 2;
  }
  return 0;
}

}  // namespace dorvan::script
