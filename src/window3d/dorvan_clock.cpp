// The sudden-death clock of a one-player game: a tick every 100 ms counts the person's time down,
// writes what is left over the drawing and slides the bar; running out loses the game.

#include <cmath>

#include "forms/application.h"
#include "game3d/texts.h"
#include "window3d/dorvan_form.h"

namespace dorvan::window3d {

void DorvanForm::Timer1_Timer() {
  const bool expired = clock_.tick();
  at("Label11").caption = std::to_string(clock_.timeleft());
  const float track = static_cast<float>(at("Picture5").width);
  at("Picture6").left = static_cast<int>(std::lround(clock_.barLeft(track)));
  if (!expired) return;
  // No further tick may ask again while the message is open.
  stopMoveClock();
  app().platform().messageBox(std::string(game3d::texts::kYouLose), "", platform::Buttons::Ok,
                              platform::Icon::None, 1);
  app().end();
}

}  // namespace dorvan::window3d
