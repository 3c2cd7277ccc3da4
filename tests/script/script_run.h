#pragma once
// Runs script text in the test process and checks how scripts end.

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>

#include "script/script_runner.h"

namespace dorvan::testing {

struct ScriptRun {
  std::ostringstream out;
  std::ostringstream err;
  int status = 0;
};

// The real program unless the test names windows of its own.
inline ScriptRun runScript(const std::string& script,
                           const script::ScriptRunner::Registrar& registrar = {},
                           const std::string& startupForm = "Form3") {
  ScriptRun run;
  script::ScriptRunner runner(run.out, "", registrar, startupForm);
  std::istringstream in(script);
  run.status = runner.runAll(in, run.err);
  return run;
}

// A script and the error it must end with; an empty error means it runs to its end.
struct ScriptEnd {
  const char* script;
  const char* error;
};

inline void expectEnds(std::initializer_list<ScriptEnd> cases,
                       const script::ScriptRunner::Registrar& registrar = {},
                       const std::string& startupForm = "Form3") {
  for (const ScriptEnd& c : cases) {
    ScriptRun run = runScript(c.script, registrar, startupForm);
    EXPECT_EQ(run.status, *c.error ? 2 : 0) << c.script;
    EXPECT_EQ(run.err.str(), c.error) << c.script;
  }
}

}  // namespace dorvan::testing
