#include "gamewindow/computer_turn.h"

#include "platform/clock.h"

namespace dorvan::gamewindow {

rules::RandomDraw programDraw(forms::Application& app) {
  return [&app] { return app.random().next(); };
}

void computerPause(forms::Application& app) {
  platform::pauseFor(app.platform(), 1.0, platform::PauseKind::NoInput);
}

}  // namespace dorvan::gamewindow
