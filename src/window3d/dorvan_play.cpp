// Playing a line on the 3D window: painting it, scoring it, showing completed boxes, the end of
// a game and the start of the next.

#include "forms/application.h"
#include "forms/messages.h"
#include "game3d/lattice_tables.h"
#include "platform/clock.h"
#include "rules/colours.h"
#include "rules/texts.h"
#include "window3d/board_geometry.h"
#include "window3d/dorvan_form.h"
#include "window3d/window_texts.h"

namespace dorvan::window3d {

namespace {

std::string moveListEntry(std::size_t number, int line, rules::Side side) {
  std::string entry = std::to_string(number);
  entry += texts::kListGap;
  entry += game3d::startPoint(line);
  entry += texts::kListTo;
  entry += game3d::endPoint(line);
  entry += side == rules::kRed ? texts::kRedTag : texts::kBlueTag;
  return entry;
}

void setSegment(forms::Control& c, const Segment& s) {
  c.color = s.colour;
  c.borderWidth = kFreeWidth;
}

}  // namespace

void DorvanForm::Label22_Click(int index) {
  Controls& ui = *ui_;
  if (!ui.targets.contains(index) || kTargets[index].move == 0) return;
  // Play puts the score panels away.
  ui.scorePanel.visible = false;
  ui.sidePanel.visible = false;
  if (ui.cumulativeItem.checked) {
    ui.cumulativeItem.checked = false;
    narrowUnlessViewsShown();
  }
  playLine(kTargets[index].move, true);
}

void DorvanForm::playLine(int line, bool chosenOnBoard) {
  if (!game3d::isLine(line)) return;
  if (!session_.game.position.isFree(line)) {
    invalidmove();
    return;
  }
  clearHint();
  Controls& ui = *ui_;
  const rules::Side mover = rules::passTurn(session_.game);
  gamewindow::showTurn(ui, session_.game);
  paintLine(line, rules::lineColour(mover));
  rules::drawLine(session_.game, line, rules::marksOf(session_.game.variant));
  if (chosenOnBoard) markmov(line);
  ui.moveList.items.push_back(moveListEntry(ui.moveList.items.size() + 1, line, mover));
  ui.lastFrom.caption.clear();
  aftermove();
}

void DorvanForm::invalidmove() {
  Controls& ui = *ui_;
  ui.lastFrom.caption = texts::kBlankPoint;
  setFocus(ui.restingFocus);
  forms::tell(app(), texts::kInvalidMove);
  ui.entry.caption.clear();
  setFocus(ui.entry);
}

void DorvanForm::paintLine(int line, Colour colour) {
  anpaint(line, colour);
  for (const forms::ControlArray* view : {&ui_->mainView, &ui_->reverseView}) {
    forms::Control& segment = (*view)[line];
    segment.borderWidth = kDrawnWidth;
    segment.color = colour;
  }
}

void DorvanForm::anpaint(int ant, Colour colour) {
  if (!game3d::isLine(ant)) return;
  for (int element : kInversePaint[ant]) {
    if (element == 0) break;
    forms::Control& segment = ui_->inverseView[element];
    segment.borderWidth = kDrawnWidth;
    segment.color = colour;
  }
}

void DorvanForm::markmov(int move) {
  Controls& ui = *ui_;
  forms::Control& name = ui.lastName;
  name.caption.clear();
  if (game3d::isLine(move)) {
    const game3d::LineDisplay shown = game3d::lineDisplay(move);
    ui.lastFrom.caption = shown.start;
    ui.lastTo.caption = shown.end;
    name.caption = shown.name;
  }
  if (ui.players[1].checked) {
    // Two people at two machines: the move goes on the clipboard, ready to be sent.
    setFocus(name);
    app().platform().clipboardClear();
    app().platform().clipboardSetText(name.caption);
  }
}

void DorvanForm::aftermove(bool afterComputerTake) {
  Controls& ui = *ui_;
  if (!afterComputerTake) {
    setMenusEnabled(false);
    gamewindow::stopMoveClock(ui);
    ui.entry.caption.clear();
  }
  setFocus(ui.restingFocus);

  const rules::Variant variant = session_.game.variant;
  const rules::MoveScore score = rules::scoreMove(game3d::kBoard, session_.game);
  const bool scored = score.completed.count > 0;
  if (scored) {
    if (onePlayer() && timeLimitInForce()) gamewindow::restartMoveClock(ui, session_.clock);
    gamewindow::showTurn(ui, session_.game);
    ui.lastFrom.caption = texts::kBlankPoint;
    gamewindow::showScores(ui, session_.game);
  }
  forms::Control& status = ui.status;
  status.caption = score.status;
  // A side that scores and goes again keeps the colour of the status line.
  if (!scored || rules::ownLinesOnly(variant)) status.forecolor = rules::statusColour(score.next);
  if (!scored && onePlayer() && timeLimitInForce())
    gamewindow::restartMoveClock(ui, session_.clock);

  for (int box : score.completed) showCompletedBox(box, variant);

  const int left = rules::freeLines(game3d::kBoard, session_.game.position);
  showMovesLeft(left);
  if (left == 0) {
    endOfGame();
    return;
  }
  viewrefresh();
  if (rules::computerToMove(onePlayer(), session_.game)) {
    computerMove();
    return;
  }
  forms::Control& entry = ui.entry;
  entry.forecolor = status.forecolor;
  if (isShown(entry)) setFocus(entry);
}

void DorvanForm::showCompletedBox(int box, rules::Variant variant) {
  const rules::BoxTable& boxes = game3d::kBoard.boxes(variant);
  boxSlots_ = boxes.sides;
  for (int slot = 1; slot <= boxSlots_; ++slot) {
    boxlines_[slot] = boxes.lines[box][slot];
    savedcolors_[slot] = ui_->mainView[boxlines_[slot]].color;
  }
  if (ui_->soundItem.checked) app().platform().beep();
  ui_->scorePanel.visible = false;
  showbox();
  viewrefresh();
  // A square stays lit until half a second past the nearest whole second, a cube a second past.
  platform::pauseToRoundedSecondPlus(app().platform(), rules::scoresSquares(variant) ? 0.5 : 1.0,
                                     platform::PauseKind::NoInput);
  restorebox();
  viewrefresh();
  if (ui_->cumulativeItem.checked) ui_->scorePanel.visible = true;
}

void DorvanForm::showbox() {
  for (int slot = 1; slot <= boxSlots_; ++slot)
    ui_->mainView[boxlines_[slot]].color = rules::kHighlightColour;
}

void DorvanForm::restorebox() {
  for (int slot = 1; slot <= boxSlots_; ++slot)
    ui_->mainView[boxlines_[slot]].color = savedcolors_[slot];
}

void DorvanForm::endOfGame() {
  if (!gamewindow::askPlayAgain(app(), *ui_, session_.game)) app().end();
  cuscore_Click();
  gamewindow::addRound(*ui_, session_);
  new_Click();
}

void DorvanForm::new_Click() {
  Controls& ui = *ui_;
  ui.sidePanel.visible = false;
  const bool redOpens = rules::newGame(session_.game);
  const bool twoPlayers = ui.players[1].checked;
  ui.players[0].checked = !twoPlayers;
  ui.players[1].checked = twoPlayers;
  for (forms::Control* item : ui.variants)
    item->checked = item->index == rules::variantIndex(session_.game.variant);
  viewrefresh();
  setMenusEnabled(true);
  resetDrawing();
  hintedLine_ = 0;
  ui.moveList.items.clear();
  showMovesLeft(game3d::kLineCount);
  gamewindow::showNewGame(ui, session_.game);
  // When Red opens, the after-move procedure runs at once: it announces Red's turn and, against
  // the computer, lets it draw the first line.
  if (redOpens) aftermove();
}

void DorvanForm::resetDrawing() {
  Controls& ui = *ui_;
  for (int k = 0; k < kMainSegments; ++k) setSegment(ui.mainView[k], kMainView[k]);
  for (int k = 1; k <= kSideSegments; ++k) {
    setSegment(ui.reverseView[k], kReverseView[k]);
    setSegment(ui.inverseView[k], kInverseView[k]);
  }
}

void DorvanForm::showMovesLeft(int left) {
  ui_->movesLeft.caption = std::to_string(left);
}

void DorvanForm::setMenusEnabled(bool enabled) {
  for (forms::Control* menu : {&ui_->programsMenu, &ui_->gamesMenu, &ui_->optionsMenu})
    menu->enabled = enabled;
}

}  // namespace dorvan::window3d
