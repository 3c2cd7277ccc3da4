#pragma once
// A window whose button pauses and lets events run meanwhile, as a flash of the board does, and
// a few controls that note when their clicks arrive.

#include <string>
#include <vector>

#include "forms/application.h"
#include "platform/clock.h"

namespace dorvan::testing {

class FlashWindow : public forms::Form {
 public:
  std::vector<std::string> log;
  int fastTicks = 0;

  explicit FlashWindow(forms::Application& app) : Form(app, "Flasher") {
    using forms::ControlKind;
    add(ControlKind::CommandButton, "Flash").onClick = [this](int) {
      log.push_back("flash begins");
      platform::pauseFor(this->app().platform(), 0.5, platform::PauseKind::LetEventsRun);
      log.push_back("flash ends");
    };
    add(ControlKind::CommandButton, "Quiet").onClick = [this](int) { log.push_back("quiet"); };
    for (int i = 0; i < 3; ++i) {
      add(ControlKind::Label, "Mark", i).onClick = [this](int index) {
        log.push_back("mark " + std::to_string(index));
      };
    }
    auto& fast = add(ControlKind::Timer, "Fast");
    fast.setTimerInterval(1);
    fast.enabled = false;
    fast.onTimer = [this](int) { ++fastTicks; };
    add(ControlKind::CommandButton, "Spin").onClick = [this](int) {
      at("Fast").setTimerEnabled(true);
    };
    add(ControlKind::CommandButton, "Close").onClick = [this](int) { this->app().unload(*this); };
  }
};

inline void registerFlashWindow(forms::Application& app) {
  app.registerForm("Flasher",
                   [](forms::Application& a) { return std::make_unique<FlashWindow>(a); });
}

}  // namespace dorvan::testing
