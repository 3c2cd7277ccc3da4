// The computer's turn in a one-player game: it plays Red, takes every box one line short, else
// draws a line that gives nothing away, else any line. Each of its lines is first shown green for
// a second, and the window takes no input while it thinks.

#include "forms/application.h"
#include "forms/messages.h"
#include "game3d/computer.h"
#include "game3d/lattice_tables.h"
#include "game3d/texts.h"
#include "platform/clock.h"
#include "window3d/board_geometry.h"
#include "window3d/dorvan_form.h"

namespace dorvan::window3d {

namespace {

void waitASecond(forms::Application& app) {
  platform::pauseFor(app.platform(), 1.0, platform::PauseKind::NoInput);
}

}  // namespace

void DorvanForm::computerMove() {
  const game3d::Variant variant = checkedVariant();
  const game3d::ComputerMove move =
      game3d::chooseComputerMove(position_, variant, [this] { return app().random().next(); });
  redtomove_ = 0;

  if (move.play == game3d::ComputerPlay::kTake) {
    for (int line : move.lines) drawComputerLine(line);
    // Scored as Red's box; Red keeps the turn and comes back here for the next one.
    aftermove(true);
    return;
  }
  if (move.lines.empty()) return;  // nothing left to draw: the game has already ended

  Controls& ui = *ui_;
  if (move.play == game3d::ComputerPlay::kAnyFree && ui.movesLeft.visible)
    forms::tell(app(), game3d::texts::kNoGoodMoves);
  waitASecond(app());
  addToCounter(ui.movesLeft, -1);
  drawComputerLine(move.lines.front());

  ui.redTurn.visible = false;
  ui.blueTurn.visible = true;
  forms::Control& status = ui.status;
  status.forecolor = game3d::statusColour(game3d::kBlue);
  status.caption = game3d::texts::moveStatus(variant, 0, game3d::kRed, game3d::kBlue);
  // The ticks that fell due while the computer thought were lost; the person's time starts now.
  if (onePlayer() && timeLimitInForce()) {
    stopMoveClock();
    restartMoveClock();
  }
}

void DorvanForm::drawComputerLine(int line) {
  forms::Control& main = ui_->mainView[line];
  forms::Control& reverse = ui_->reverseView[line];
  main.borderWidth = reverse.borderWidth = kDrawnWidth;
  anpaint(line);
  main.color = reverse.color = game3d::kHighlightColour;
  viewrefresh();
  waitASecond(app());
  main.color = reverse.color = game3d::kRedLineColour;
  markmov(line);
  mover_ = game3d::kRed;
  game3d::drawLine(position_, game3d::variantFromIndex(gamevariant_), line, game3d::kRed);
}

}  // namespace dorvan::window3d
