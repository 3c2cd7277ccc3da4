// Drives the program with many thousands of random clicks, menu choices, texts, clipboard
// contents, answers and waits, and checks after every step that no window's state is broken.
// Run under the sanitizer build, it also catches memory and undefined-behaviour faults.

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>

#include "script/describe.h"
#include "script/quoting.h"
#include "script/script_runner.h"
#include "support/consistency.h"

namespace dorvan::script {
namespace {

int stepsPerStart() {
  const char* env = std::getenv("DORVAN_RANDOM_STEPS");
  return env ? std::atoi(env) : 15000;
}

class RandomPlayer {
 public:
  explicit RandomPlayer(unsigned seed) : rng_(seed) {}

  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  bool chance(int percent) { return pick(100) < percent; }

  std::string text() {
    static const char* const kSamples[] = {"fl3ml3",
                                           "mc3mc2",
                                           "br2br1",
                                           "ml3fl3",
                                           "FL3ML3",
                                           " fl3ml3",
                                           "fl3ml3 ",
                                           "",
                                           "\t",
                                           "\n",
                                           "\xc3\xa9\xe2\x82\xac",
                                           "0",
                                           "-1",
                                           "99999999999999999999"};
    switch (pick(4)) {
      case 0:
        return kSamples[pick(static_cast<int>(std::size(kSamples)))];
      case 1: {  // a pasted novel
        std::string novel;
        int length = pick(20000);
        for (int i = 0; i < length; ++i) novel += static_cast<char>(pick(256));
        return novel;
      }
      default: {
        std::string s;
        int length = pick(12);
        for (int i = 0; i < length; ++i) s += static_cast<char>(32 + pick(95));
        return s;
      }
    }
  }

  // One random step as a script line, against the window now active.
  std::string step(forms::Application& app) {
    forms::Form* form = app.activeForm();
    int kind = pick(100);
    // On the tesseract most clicks go to the board, so that whole games get played.
    if (form && form->name() == "Form2" && (kind < 40 || boardClickDue_)) {
      // Some clicks arrive while the next command runs, during a flash if one comes; that
      // command is a click on the board too, so the window they were meant for is still there.
      const bool pending = !boardClickDue_ && chance(10);
      boardClickDue_ = pending;
      return (pending ? "pending click Label2 " : "click Label2 ") + std::to_string(pick(51));
    }
    boardClickDue_ = false;
    if (form && kind < 70) {
      const auto& controls = form->controls();
      const forms::Control& c = controls[pick(static_cast<int>(controls.size()))];
      // Leaving the program is a small share of what a player does.
      if (c.isMenuItem() && c.caption.find("xit") != std::string::npos && !chance(3)) return "";
      std::string target = c.name + (c.isArrayElement() ? " " + std::to_string(c.index) : "");
      if (c.kind == forms::ControlKind::TextBox && chance(50))
        return "type " + target + " " + quote(text());
      return (chance(90) ? "click " : "show ") + target;
    }
    if (kind < 76) return chance(80) ? "clipboard " + quote(text()) : "clipboard none";
    if (kind < 84) {
      static const char* const kAnswers[] = {"ok", "yes", "no", "cancel"};
      return "answer " + (chance(20) ? quote(text()) : std::string(kAnswers[pick(4)]));
    }
    if (kind < 94) return "wait " + std::to_string(chance(80) ? pick(400) : pick(30000));
    if (kind < 96) return "time " + std::to_string(pick(86400));
    if (kind < 98) return "fail-process " + std::string(chance(50) ? "on" : "off");
    return "screen " + std::to_string(1000 + pick(40000)) + " " +
           std::to_string(1000 + pick(30000));
  }

 private:
  std::mt19937 rng_;
  bool boardClickDue_ = false;
};

void expectConsistent(forms::Application& app, const std::string& lastStep) {
  for (forms::Form* form : app.openForms()) {
    for (const std::string& problem : support::consistencyProblems(*form))
      ADD_FAILURE() << form->name() << ": " << problem << " (after: " << lastStep << ")";
  }
}

void randomRun(const std::string& commandLine, unsigned seed) {
  RandomPlayer player(seed);
  int steps = stepsPerStart();
  int starts = 0;
  while (steps > 0) {
    std::ostringstream transcript;
    ScriptRunner runner(transcript, commandLine);
    ++starts;
    --steps;  // a start is a step too: a program that ends at once still moves the run on
    while (steps > 0 && !runner.ended()) {
      --steps;
      std::string line = player.step(runner.app());
      try {
        runner.execute(line, 1);
      } catch (const ScriptError& e) {
        FAIL() << "the driver refused its own step '" << line << "': " << e.what;
      }
      expectConsistent(runner.app(), line);
      if (::testing::Test::HasFailure()) return;
      if (transcript.tellp() > (1 << 22)) transcript.str("");
    }
  }
  ::testing::Test::RecordProperty("starts", starts);
}

TEST(RandomRun, ThreeDimensionalWindow) {
  randomRun("", 1);
}
TEST(RandomRun, TesseractWindow) {
  randomRun("4", 2);
}
TEST(RandomRun, TesseractAtHalfLevel) {
  randomRun("5", 3);
}
TEST(RandomRun, LevelsNotIncluded) {
  randomRun("2", 4);
}

}  // namespace
}  // namespace dorvan::script
