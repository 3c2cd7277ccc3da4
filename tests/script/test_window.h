#pragma once
// A small window for testing the control model and the driver without any game.

#include "forms/application.h"
#include "platform/clock.h"

namespace dorvan::testing {

class TestWindow : public forms::Form {
 public:
  int ticks = 0;

  explicit TestWindow(forms::Application& app) : Form(app, "Tester") {
    using forms::ControlKind;
    caption = "Tester";
    width = 4000;
    height = 3000;
    add(ControlKind::CommandButton, "Go").caption = "&Go";
    add(ControlKind::CheckBox, "Check1");
    for (int i = 0; i < 2; ++i) add(ControlKind::OptionButton, "Choice", i).container = "Panel";
    auto& panel = add(ControlKind::PictureBox, "Panel");
    panel.visible = true;
    add(ControlKind::TextBox, "Entry");
    addMenu("game", "&Game");
    addMenu("quit", "E&xit", "game").onClick = [this](int) { this->app().end(); };
    auto& timer = add(ControlKind::Timer, "Timer1");
    timer.setTimerInterval(100);
    timer.enabled = false;
    timer.onTimer = [this](int) { ++ticks; };
    auto& slow = add(ControlKind::CommandButton, "Slow");
    slow.onClick = [this](int) {
      platform::pauseFor(this->app().platform(), 1.0, platform::PauseKind::NoInput);
    };
    auto& busy = add(ControlKind::CommandButton, "Busy");
    busy.onClick = [this](int) {
      platform::pauseFor(this->app().platform(), 1.0, platform::PauseKind::LetEventsRun);
    };
    auto& start = add(ControlKind::CommandButton, "Start");
    start.onClick = [this](int) { at("Timer1").setTimerEnabled(true); };
  }
};

inline void registerTestWindow(forms::Application& app) {
  app.registerForm("Tester", [](forms::Application& a) { return std::make_unique<TestWindow>(a); });
}

}  // namespace dorvan::testing
