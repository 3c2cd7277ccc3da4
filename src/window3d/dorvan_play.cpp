// Playing a line on the 3D window: painting it, scoring it, showing completed boxes, the end of
// a game and the start of the next.

#include "forms/application.h"
#include "forms/messages.h"
#include "game3d/lattice_tables.h"
#include "game3d/scoring.h"
#include "game3d/texts.h"
#include "game3d/turn_flow.h"
#include "platform/clock.h"
#include "window3d/board_geometry.h"
#include "window3d/dorvan_form.h"
#include "window3d/window_texts.h"

namespace dorvan::window3d {

namespace {

// The status colour of Red is a darker red than Red's lines.
constexpr Colour kRedStatus = game3d::kRedStatusColour;

std::string moveListEntry(std::size_t number, int line, game3d::Side side) {
  std::string entry = std::to_string(number);
  entry += texts::kListGap;
  entry += game3d::startPoint(line);
  entry += texts::kListTo;
  entry += game3d::endPoint(line);
  entry += side == game3d::kRed ? texts::kRedTag : texts::kBlueTag;
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
  if (!game3d::isFree(position_, line)) {
    invalidmove();
    return;
  }
  const game3d::TurnChange turn = game3d::passTurn(redtomove_);
  redtomove_ = turn.redtomove;
  mover_ = turn.mover;
  showTurn();
  paintLine(line, game3d::lineColour(turn.mover));
  position_.lineowner[line] = turn.mover;
  if (chosenOnBoard) markmov(line);
  forms::Control& list = ui_->moveList;
  list.items.push_back(moveListEntry(list.items.size() + 1, line, turn.mover));
  ui_->lastFrom.caption.clear();
  game3d::recordLine(position_, game3d::variantFromIndex(gamevariant_), line, turn.mover);
  aftermove();
}

void DorvanForm::invalidmove() {
  Controls& ui = *ui_;
  ui.lastFrom.caption = texts::kBlankPoint;
  setFocus(ui.restingFocus);
  forms::tell(app(), game3d::texts::kInvalidMove);
  ui.entry.caption.clear();
  setFocus(ui.entry);
}

void DorvanForm::showTurn() {
  ui_->redTurn.visible = redtomove_ == 1;
  ui_->blueTurn.visible = redtomove_ == 0;
}

void DorvanForm::paintLine(int line, Colour colour) {
  anpaint(line);
  for (const forms::ControlArray* view : {&ui_->mainView, &ui_->reverseView}) {
    forms::Control& segment = (*view)[line];
    segment.borderWidth = kDrawnWidth;
    segment.color = colour;
  }
}

void DorvanForm::anpaint(int ant) {
  if (!game3d::isLine(ant)) return;
  const Colour status = ui_->status.forecolor;
  const Colour colour = status == kRedStatus ? game3d::kRedLineColour : status;
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
    stopMoveClock();
    ui.entry.caption.clear();
  }
  setFocus(ui.restingFocus);

  const game3d::Variant variant = checkedVariant();
  const game3d::MoveScore score =
      game3d::scoreMove(position_, variant, static_cast<game3d::Side>(mover_), redtomove_);
  if (score.completed > 0) {
    if (onePlayer() && timeLimitInForce()) restartMoveClock();
    redtomove_ = score.redtomove;
    addToCounter(score.scorer == game3d::kBlue ? ui.blueScore : ui.redScore, score.completed);
    showTurn();
    ui.lastFrom.caption = texts::kBlankPoint;
    addToCounter(mover_ == game3d::kRed ? ui.redPoints : ui.bluePoints, score.points);
  }
  forms::Control& status = ui.status;
  status.caption = score.status;
  if (score.statusColour) status.forecolor = *score.statusColour;
  if (score.completed == 0 && onePlayer() && timeLimitInForce()) restartMoveClock();

  for (int box : score.boxes) showCompletedBox(box, variant);

  const int left = game3d::movesLeft(position_);
  ui.movesLeft.caption = std::to_string(left);
  if (left == 0) {
    endOfGame();
    return;
  }
  viewrefresh();
  if (game3d::computerToMove(onePlayer(), redtomove_, variant)) {
    computerMove();
    return;
  }
  forms::Control& entry = ui.entry;
  entry.forecolor = status.forecolor;
  if (isShown(entry)) setFocus(entry);
}

void DorvanForm::showCompletedBox(int box, game3d::Variant variant) {
  position_.claimed[box] = 1;
  const auto lines = game3d::boxLines(variant, box);
  boxSlots_ = static_cast<int>(lines.size());
  for (int slot = 1; slot <= boxSlots_; ++slot) {
    boxlines_[slot] = lines[slot - 1];
    savedcolors_[slot] = ui_->mainView[boxlines_[slot]].color;
  }
  if (ui_->soundItem.checked) app().platform().beep();
  ui_->scorePanel.visible = false;
  showbox();
  viewrefresh();
  // A square stays lit until half a second past the nearest whole second, a cube a second past.
  platform::pauseToRoundedSecondPlus(app().platform(), game3d::scoresCubes(variant) ? 1.0 : 0.5,
                                     platform::PauseKind::NoInput);
  restorebox();
  viewrefresh();
  if (ui_->cumulativeItem.checked) ui_->scorePanel.visible = true;
}

void DorvanForm::showbox() {
  for (int slot = 1; slot <= boxSlots_; ++slot)
    ui_->mainView[boxlines_[slot]].color = game3d::kHighlightColour;
}

void DorvanForm::restorebox() {
  for (int slot = 1; slot <= boxSlots_; ++slot)
    ui_->mainView[boxlines_[slot]].color = savedcolors_[slot];
}

void DorvanForm::endOfGame() {
  Controls& ui = *ui_;
  const int bluePoints = counter(ui.bluePoints);
  const int redPoints = counter(ui.redPoints);
  const int blueScore = counter(ui.blueScore);
  const int redScore = counter(ui.redScore);
  // The verdict stands over the drawing while the question is asked.
  forms::Control& verdict = ui.verdict;
  verdict.caption = std::string(game3d::texts::pointsResult(bluePoints, redPoints)) + "\n" +
                    std::string(game3d::texts::scoreResult(blueScore, redScore));
  verdict.visible = true;
  const platform::Answer again = app().platform().messageBox(
      std::string(game3d::texts::kPlayAgain), std::string(game3d::texts::kPlayAgainTitle),
      platform::Buttons::YesNo, platform::Icon::Question, 2);
  if (again != platform::Answer::Yes) app().end();
  cuscore_Click();
  addRound();
  new_Click();
}

void DorvanForm::new_Click() {
  Controls& ui = *ui_;
  ui.sidePanel.visible = false;
  const game3d::GameStart start = game3d::newGameStart(bluestarts_);
  bluestarts_ = start.bluestarts;
  const bool twoPlayers = ui.players[1].checked;
  ui.players[0].checked = !twoPlayers;
  ui.players[1].checked = twoPlayers;
  for (forms::Control* item : ui.variants) item->checked = item->index == gamevariant_;
  viewrefresh();
  setMenusEnabled(true);
  resetDrawing();
  position_ = {};
  for (forms::Control* counter : {&ui.blueScore, &ui.redScore, &ui.bluePoints, &ui.redPoints})
    counter->caption = std::string(texts::kZero);
  ui.moveList.items.clear();
  ui.status.forecolor = game3d::kBlueStatusColour;
  ui.status.caption = game3d::texts::kStartPlaying;
  ui.movesLeft.caption = std::to_string(game3d::kLineCount);
  ui.verdict.visible = false;
  ui.verdict.caption.clear();
  redtomove_ = start.redtomove;
  showTurn();
  // When Red opens, the after-move procedure runs at once: it announces Red's turn and, against
  // the computer, lets it draw the first line.
  if (redtomove_ == 1) aftermove();
}

void DorvanForm::resetDrawing() {
  Controls& ui = *ui_;
  for (int k = 0; k < kMainSegments; ++k) setSegment(ui.mainView[k], kMainView[k]);
  for (int k = 1; k <= kSideSegments; ++k) {
    setSegment(ui.reverseView[k], kReverseView[k]);
    setSegment(ui.inverseView[k], kInverseView[k]);
  }
}

void DorvanForm::setMenusEnabled(bool enabled) {
  for (forms::Control* menu : {&ui_->programsMenu, &ui_->gamesMenu, &ui_->optionsMenu})
    menu->enabled = enabled;
}

void DorvanForm::restartMoveClock() {
  clock_.restart();
  ui_->clockTimer.setTimerEnabled(true);
}

void DorvanForm::stopMoveClock() {
  ui_->clockTimer.setTimerEnabled(false);
}

}  // namespace dorvan::window3d
