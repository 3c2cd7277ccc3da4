// The computer's turn on the tesseract: its line is chosen by the rules, found where its three
// cells now meet on the (possibly turned) drawing, shown green for a second and drawn there as
// Red's. The window takes no input while the computer thinks.

#include "forms/application.h"
#include "gamewindow/computer_turn.h"
#include "rules/colours.h"
#include "rules/computer.h"
#include "rules/texts.h"
#include "search/boards.h"
#include "search/opponent.h"
#include "window4d/form2.h"
#include "window4d/line_widths.h"

namespace dorvan::window4d {

void Form2::computerMove() {
  if (!onePlayer() || session_.game.redtomove != 1) return;
  const Variant played = variant();
  const bool strong = ui_->opponents[1].checked;
  const rules::ComputerMove choice =
      strong ? search::strongMove(search::tesseractBoard(played, halfLevelOn()),
                                  search::nodeOf(session_.game.position, played, rules::kRed))
             : rules::chooseComputerMove(kBoard, session_.game.position, played,
                                         computerPolicy(played, halfLevelOn()),
                                         gamewindow::programDraw(app()));
  // The window keeps the units' counts as the computer saw them; the strong one counts none.
  session_.game.sidecount =
      strong ? rules::countSides(kBoard, session_.game.position, played, rules::kRed)
             : choice.sidecount;
  if (choice.play == rules::ComputerPlay::kNone) return;
  session_.game.redtomove = 0;
  const int line = choice.line;

  if (choice.play == rules::ComputerPlay::kTake) {
    // A cell is a bigger catch: it gets a second look before it is scored.
    int shownAt = 0;
    if (!rules::scoresSquares(played)) {
      locateonly_ = 1;
      findclik(line, 0, 0, 0);
      locateonly_ = 0;
      shownAt = locatedpos_;
      if (ui_->pow.contains(shownAt)) ui_->pow[shownAt].borderWidth = widths::kComputerMain;
    }
    findclik(line, 0, 0, 0);
    if (ui_->pow.contains(shownAt)) {
      forms::Control& highlight = ui_->pow[shownAt];
      highlight.color = rules::kHighlightColour;
      repaintpow();
      gamewindow::computerPause(app());
      highlight.color = rules::kRedLineColour;
      highlight.borderWidth = widths::kHighlightMain;
    }
    rules::drawComputerLine(session_.game, line);
    movescore();  // Red's unit: scored, and Red moves again
    return;
  }

  findclik(line, 0, 0, 0);
  if (timeLimitInForce()) {
    // The ticks that fell due while the computer thought were lost; the person's time starts now.
    gamewindow::stopMoveClock(*ui_);
    gamewindow::restartMoveClock(*ui_, session_.clock);
  }
  rules::drawComputerLine(session_.game, line);
  gamewindow::showTurn(*ui_, session_.game);
  ui_->status.caption = rules::texts::moveStatus(played, 0, rules::kRed, rules::kBlue);
  ui_->status.forecolor = rules::kBlueStatusColour;
  // At the "1/2 Level" the computer's line can be the last one in play.
  if (gameOver()) endOfGame();
}

void Form2::findclik(int fdc, int adc, int bdc, int cdc) {
  std::array<int, 5> found{};
  int count = 0;
  for (int line : {fdc, adc, bdc, cdc}) {
    if (!isLine(line)) continue;
    for (int position : positionsShowing(line))
      if (count < 4) found[++count] = position;
  }
  if (locateonly_ == 0 && count == 1) {
    goclick(found[1]);
    return;
  }
  locatedpos_ = found[count];
}

void Form2::goclick(int fdc) {
  if (!isPosition(fdc)) {
    backoff();
    return;
  }
  Controls& ui = *ui_;
  forms::Control& main = ui.pow[fdc];
  forms::Control& second = ui.slam[fdc];
  for (forms::Control* shown : {&main, &second}) {
    shown->visible = true;
    shown->color = rules::kHighlightColour;
  }
  main.borderWidth = widths::kComputerMain;
  second.borderWidth = widths::kComputerSecond;
  repaintpow();
  gamewindow::computerPause(app());
  for (forms::Control* shown : {&main, &second}) shown->color = rules::kRedLineColour;
  main.borderWidth = widths::kHighlightMain;
  second.borderWidth = widths::kHighlightSecond;
  if (drawingLine(true, drawinglines(fdc)[0]).borderWidth == widths::kDrawn) return;
  drawPosition(fdc);
  backoff();
  if (ui.accurateView.checked) losefour();
}

// The shell paints every change of the model as it happens, even during a pause, so there is
// nothing left to flush here.
void Form2::repaintpow() {}

void Form2::backoff() {
  if (!ui_->thinLines.checked) return;
  for (int frame = 1; frame <= kFrameCount; ++frame) {
    for (forms::Control* line : ui_->L[frame]) line->borderWidth = widths::kFree;
    for (forms::Control* line : ui_->m[frame]) line->borderWidth = widths::kFree;
  }
}

}  // namespace dorvan::window4d
