// The computer's turn in a one-player game: it plays Red, takes every box one line short, else
// draws a line that gives nothing away, else any line. Each of its lines is first shown green for
// a second, and the window takes no input while it thinks.

#include "forms/application.h"
#include "forms/messages.h"
#include "game3d/board.h"
#include "gamewindow/computer_turn.h"
#include "rules/colours.h"
#include "rules/computer.h"
#include "rules/texts.h"
#include "search/boards.h"
#include "search/opponent.h"
#include "window3d/board_geometry.h"
#include "window3d/dorvan_form.h"
#include "window3d/window_texts.h"

namespace dorvan::window3d {

void DorvanForm::computerMove() {
  const rules::Variant variant = session_.game.variant;
  const rules::ComputerMove move =
      ui_->opponents[1].checked
          ? search::strongMove(search::cubeBoard(variant),
                               search::nodeOf(session_.game.position, variant, rules::kRed))
          : rules::chooseComputerMove(game3d::kBoard, session_.game.position, variant, {},
                                      gamewindow::programDraw(app()));
  session_.game.redtomove = 0;

  if (move.play == rules::ComputerPlay::kTake) {
    drawComputerLine(move.line);
    // Scored as Red's box; Red keeps the turn and comes back here for the next one.
    aftermove(true);
    return;
  }
  if (move.play == rules::ComputerPlay::kNone) return;  // the game has already ended

  Controls& ui = *ui_;
  if (move.play == rules::ComputerPlay::kAnyFree && ui.movesLeft.visible)
    forms::tell(app(), texts::kNoGoodMoves);
  gamewindow::computerPause(app());
  showMovesLeft(rules::freeLines(game3d::kBoard, session_.game.position) - 1);
  drawComputerLine(move.line);

  gamewindow::showTurn(ui, session_.game);
  ui.status.forecolor = rules::statusColour(rules::kBlue);
  ui.status.caption = rules::texts::moveStatus(session_.game.variant, 0, rules::kRed, rules::kBlue);
  // The ticks that fell due while the computer thought were lost; the person's time starts now.
  if (onePlayer() && timeLimitInForce()) {
    gamewindow::stopMoveClock(ui);
    gamewindow::restartMoveClock(ui, session_.clock);
  }
}

void DorvanForm::drawComputerLine(int line) {
  forms::Control& main = ui_->mainView[line];
  forms::Control& reverse = ui_->reverseView[line];
  main.borderWidth = reverse.borderWidth = kDrawnWidth;
  anpaint(line, rules::kRedLineColour);
  main.color = reverse.color = rules::kHighlightColour;
  viewrefresh();
  gamewindow::computerPause(app());
  main.color = reverse.color = rules::kRedLineColour;
  markmov(line);
  rules::drawComputerLine(session_.game, line);
}

}  // namespace dorvan::window3d
