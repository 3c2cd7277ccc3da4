// The sudden-death clock of a one-player game: a tick every 100 ms counts the person's time down,
// writes what is left over the drawing and slides the bar; running out loses the game.

#include "forms/application.h"
#include "window3d/dorvan_form.h"

namespace dorvan::window3d {

void DorvanForm::Timer1_Timer() {
  const bool expired = gamewindow::tickMoveClock(*ui_, session_.clock);
  ui_->clockFigure.caption = std::to_string(session_.clock.timeleft());
  if (expired) gamewindow::loseOnTime(app());
}

}  // namespace dorvan::window3d
