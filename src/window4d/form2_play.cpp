// What a click on the tesseract does: the line shown where it landed is drawn for the side to
// move, recorded and scored. Then the move procedure that follows every line (the click's, the
// computer's, and none at all when Red opens a game), the end of a game and the next one.

#include "forms/application.h"
#include "forms/messages.h"
#include "game4d/colour_lookup.h"
#include "platform/clock.h"
#include "rules/colours.h"
#include "rules/texts.h"
#include "window4d/click_targets.h"
#include "window4d/diagram.h"
#include "window4d/form2.h"
#include "window4d/form2_texts.h"
#include "window4d/line_widths.h"

namespace dorvan::window4d {

void Form2::whenIdle(std::function<void()> command) {
  if (moving_ > 0) {
    later_.push_back(std::move(command));
    return;
  }
  command();
}

void Form2::Label2_Click(int index) {
  Controls& ui = *ui_;
  ui.scorePanel.visible = false;
  if (!ui.label2.contains(index)) return;
  const int position = label2[index].position;
  if (position == 0) return;
  if (screenpositions[position].closedAtHalfLevel && halfLevelOn()) return;
  const auto lines = drawinglines(position);
  if (drawingLine(true, lines[0]).borderWidth == widths::kDrawn) {
    forms::tell(app(), texts::kInvalidMove);
    return;
  }
  drawPosition(position);
  const DiagramElement also = screenpositions[position].alsoDiagram;
  if (also.array != DiagramArray::none) {
    diagramElement(also).style = forms::LineStyle::Solid;
    diagramElement(also).borderWidth = widths::kDiagramDrawn;
  }
  // The line is the one whose cells show their colours here, wherever the turns have put it.
  const int line =
      lineFromColours(drawingLine(true, lines[0]).color, drawingLine(true, lines[1]).color,
                      drawingLine(true, lines[2]).color);
  if (line == 0 || !session_.game.position.isFree(line)) return;

  const rules::Side mover = rules::passTurn(session_.game);
  gamewindow::showTurn(*ui_, session_.game);
  const Colour highlight = rules::lineColour(mover);
  for (forms::Control* shown : {&ui.pow[position], &ui.slam[position]}) {
    shown->color = highlight;
    shown->visible = true;
  }
  ui.pow[position].borderWidth = widths::kHighlightMain;
  ui.slam[position].borderWidth = widths::kHighlightSecond;
  backoff();
  gridbang(line);
  movescore();
}

void Form2::gridbang(int gdb) {
  rules::drawLine(session_.game, gdb, rules::Marks::kBoth);
}

void Form2::drawPosition(int position) {
  for (DrawingLine line : drawinglines(position)) {
    drawingLine(true, line).borderWidth = widths::kDrawn;
    drawingLine(false, line).borderWidth =
        position == 1 ? widths::kDrawnSecondViewFirst : widths::kDrawn;
  }
  forms::Control& mark = diagramElement(screenpositions[position].diagram);
  mark.style = forms::LineStyle::Solid;
  mark.borderWidth = widths::kDiagramDrawn;
}

void Form2::movescore() {
  ++moving_;
  try {
    scoreAndPass();
  } catch (...) {
    // The program is ending: nothing that waited for this move will run.
    if (--moving_ == 0) later_.clear();
    throw;
  }
  if (--moving_ > 0) return;
  // The commands that came in while the move was being scored, in the order they came.
  while (!later_.empty() && moving_ == 0) {
    std::function<void()> command = std::move(later_.front());
    later_.erase(later_.begin());
    command();
  }
}

void Form2::scoreAndPass() {
  Controls& ui = *ui_;
  gamewindow::stopMoveClock(*ui_);
  setGameMenusEnabled(false);
  if (!ui.cheat.checked) {
    for (DiagramElement element : diagramLineElements) {
      diagramElement(element).style = forms::LineStyle::Solid;
      diagramElement(element).borderWidth = 1;
    }
  }
  const rules::MoveScore score = rules::scoreMove(kBoard, session_.game);
  if (onePlayer() && timeLimitInForce()) gamewindow::restartMoveClock(*ui_, session_.clock);
  gamewindow::showTurn(*ui_, session_.game);
  gamewindow::showScores(*ui_, session_.game);
  ui.status.caption = score.status;
  ui.status.forecolor = rules::statusColour(score.next);
  for (int unit : score.completed) flashUnit(unit);

  if (gameOver()) {
    endOfGame();
    return;
  }
  if (onePlayer() && session_.game.redtomove == 1) computerMove();
}

void Form2::flashUnit(int unit) {
  const rules::BoxTable& units = kBoard.boxes(variant());
  locateonly_ = 1;
  for (int k = 1; k <= units.sides; ++k) {
    findclik(units.lines[unit][k], 0, 0, 0);
    flashlist[k] = locatedpos_;
    flashcolours[k] = ui_->pow.contains(locatedpos_) ? ui_->pow[locatedpos_].color : 0;
  }
  locateonly_ = 0;
  flashon(unit);
  // The only pause of the game that lets other events run; what they ask of the game waits.
  platform::pauseToRoundedSecondPlus(app().platform(), 0.5, platform::PauseKind::LetEventsRun);
  flashoff(unit);
}

void Form2::endOfGame() {
  if (!gamewindow::askPlayAgain(app(), *ui_, session_.game)) app().end();
  cuscore_Click();
  gamewindow::addRound(*ui_, session_);
  gmen_Click(1);
}

void Form2::Timer1_Timer() {
  if (gamewindow::tickMoveClock(*ui_, session_.clock)) gamewindow::loseOnTime(app());
}

void Form2::newGame() {
  Controls& ui = *ui_;
  for (int frame = 1; frame <= kFrameCount; ++frame) {
    for (forms::Control* line : ui.L[frame]) line->borderWidth = 1;
    for (forms::Control* line : ui.m[frame]) line->borderWidth = 1;
  }
  quecheat();
  const bool redOpens = rules::newGame(session_.game);
  session_.game.mover = rules::kNobody;
  setGameMenusEnabled(true);
  for (int p = 1; p <= kPositionCount; ++p) {
    ui.pow[p].visible = false;
    ui.slam[p].visible = false;
  }
  gamewindow::showNewGame(ui, session_.game);
  // Red opens at once: the move procedure announces its turn and lets the computer draw.
  if (redOpens) movescore();
}

bool Form2::gameOver() const {
  return rules::gameOver(kBoard, session_.game, halfLevelOn() ? kHalfLevelClosedLines : 0);
}

void Form2::setGameMenusEnabled(bool enabled) {
  for (forms::Control* menu : {&ui_->programsMenu, &ui_->levelsMenu, &ui_->gamesMenu,
                               &ui_->optionsMenu, &ui_->accurateView})
    menu->enabled = enabled;
}

}  // namespace dorvan::window4d
