// The sudden-death clock of a one-player game: a tick every 100 ms counts the person's time down,
// writes what is left over the drawing and slides the bar; running out loses the game.

#include <cmath>

#include "forms/application.h"
#include "forms/messages.h"
#include "rules/texts.h"
#include "window3d/dorvan_form.h"

namespace dorvan::window3d {

void DorvanForm::Timer1_Timer() {
  const bool expired = session_.clock.tick();
  Controls& ui = *ui_;
  ui.clockFigure.caption = std::to_string(session_.clock.timeleft());
  const float track = static_cast<float>(ui.clockTrack.width);
  ui.clockBar.left = static_cast<int>(std::lround(session_.clock.barLeft(track)));
  if (!expired) return;
  // No further tick may ask again while the message is open.
  stopMoveClock();
  forms::tell(app(), rules::texts::kYouLose);
  app().end();
}

}  // namespace dorvan::window3d
