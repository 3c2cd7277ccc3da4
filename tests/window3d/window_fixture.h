#pragma once
// The 3D window on the headless platform, for tests that play it as a person would and look at
// what it shows while it pauses or asks.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "forms/application.h"
#include "game3d/lattice_tables.h"
#include "registry/form_registry.h"
#include "script/script_platform.h"
#include "window3d/board_geometry.h"
#include "window3d/dorvan_form.h"

namespace dorvan::window3d {

// The headless platform, looking at the window whenever the program pauses or asks.
class WatchingPlatform : public script::ScriptPlatform {
 public:
  struct Pause {
    double seconds;
    platform::PauseKind kind;
    std::vector<int> greenLines;
    bool panelShown;
  };

  explicit WatchingPlatform(std::ostream& out) : ScriptPlatform(out) {}

  void pause(double seconds, platform::PauseKind kind) override {
    Pause seen{seconds, kind, {}, window->at("Picture1").visible};
    for (int line = 1; line <= game3d::kLineCount; ++line)
      if (window->at("LN", line).color == rules::kHighlightColour &&
          window->at("LN", line).borderWidth == 5)
        seen.greenLines.push_back(line);
    pauses.push_back(seen);
    ScriptPlatform::pause(seconds, kind);
  }

  platform::Answer messageBox(const std::string& text, const std::string& title,
                              platform::Buttons buttons, platform::Icon icon,
                              int defaultButton) override {
    const forms::Control& verdict = window->at("Label40");
    verdicts.push_back(verdict.visible ? verdict.caption : "");
    messages.push_back(text);
    return ScriptPlatform::messageBox(text, title, buttons, icon, defaultButton);
  }

  forms::Form* window = nullptr;
  std::vector<Pause> pauses;
  std::vector<std::string> verdicts;  // what stood over the drawing as each message came up
  std::vector<std::string> messages;
};

class PlayingTheWindow : public ::testing::Test {
 protected:
  PlayingTheWindow() : platform_(transcript_), app_(platform_, "") {
    platform_.attach(app_);
    registry::registerForms(app_);
    app_.start("Form3");
    window_ = static_cast<DorvanForm*>(app_.activeForm());
    platform_.window = window_;
  }

  void click(const std::string& name, int index = forms::kNoIndex) {
    forms::Control& c = window_->at(name, index);
    app_.run([&] { app_.click(*window_, c); });
  }
  // Plays lines through their first click target, as a person would.
  void play(std::initializer_list<int> lines) {
    for (int line : lines) playOne(line);
  }
  void playOne(int line) {
    int target = 0;
    while (kTargets[target].move != line) ++target;
    click("Label22", target);
  }
  const std::string& caption(const char* name, int index = forms::kNoIndex) {
    return window_->at(name, index).caption;
  }
  int owner(int line) { return static_cast<int>(window_->table("lineowner")->rows[0][line - 1]); }

  std::ostringstream transcript_;
  WatchingPlatform platform_;
  forms::Application app_;
  DorvanForm* window_ = nullptr;
};

}  // namespace dorvan::window3d
