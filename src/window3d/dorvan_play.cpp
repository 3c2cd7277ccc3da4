// Playing a line on the 3D window: painting it, scoring it, showing completed boxes, the end of
// a game and the start of the next.

#include "forms/application.h"
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

constexpr int kDrawnWidth = 5;
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
  c.borderWidth = 1;
}

}  // namespace

void DorvanForm::Label22_Click(int index) {
  if (index < 0 || index >= kTargetCount || kTargets[index].move == 0) return;
  // Play puts the score panels away.
  at("Picture1").visible = false;
  at("Picture3").visible = false;
  if (at("cuscore").checked) {
    at("cuscore").checked = false;
    if (at("Check1").value == 0 && at("Check2").value == 0) restoreNormalSize();
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
  forms::Control& list = at("List1");
  list.items.push_back(moveListEntry(list.items.size() + 1, line, turn.mover));
  at("Label8").caption.clear();
  game3d::recordLine(position_, game3d::variantFromIndex(gamevariant_), line, turn.mover);
  aftermove();
}

void DorvanForm::invalidmove() {
  at("Label8").caption = texts::kBlankPoint;
  setFocus(at("Option1"));
  app().platform().messageBox(std::string(game3d::texts::kInvalidMove), "", platform::Buttons::Ok,
                              platform::Icon::None, 1);
  at("Text1").caption.clear();
  setFocus(at("Text1"));
}

void DorvanForm::showTurn() {
  at("Label3").visible = redtomove_ == 1;
  at("Label4").visible = redtomove_ == 0;
}

void DorvanForm::paintLine(int line, Colour colour) {
  anpaint(line);
  for (const char* view : {"LN", "bN"}) {
    forms::Control& segment = at(view, line);
    segment.borderWidth = kDrawnWidth;
    segment.color = colour;
  }
}

void DorvanForm::anpaint(int ant) {
  if (!game3d::isLine(ant)) return;
  const Colour status = at("Label33").forecolor;
  const Colour colour = status == kRedStatus ? game3d::kRedLineColour : status;
  for (int element : kInversePaint[ant]) {
    if (element == 0) break;
    forms::Control& segment = at("aN", element);
    segment.borderWidth = kDrawnWidth;
    segment.color = colour;
  }
}

void DorvanForm::markmov(int move) {
  forms::Control& name = at("Text2");
  name.caption.clear();
  if (game3d::isLine(move)) {
    const game3d::LineDisplay shown = game3d::lineDisplay(move);
    at("Label8").caption = shown.start;
    at("Label10").caption = shown.end;
    name.caption = shown.name;
  }
  if (at("ip", 1).checked) {
    // Two people at two machines: the move goes on the clipboard, ready to be sent.
    setFocus(name);
    app().platform().clipboardClear();
    app().platform().clipboardSetText(name.caption);
  }
}

void DorvanForm::aftermove(bool afterComputerTake) {
  if (!afterComputerTake) {
    setMenusEnabled(false);
    stopMoveClock();
    at("Text1").caption.clear();
  }
  setFocus(at("Option1"));

  const game3d::Variant variant = checkedVariant();
  const game3d::MoveScore score =
      game3d::scoreMove(position_, variant, static_cast<game3d::Side>(mover_), redtomove_);
  if (score.completed > 0) {
    if (onePlayer() && timeLimitInForce()) restartMoveClock();
    redtomove_ = score.redtomove;
    addToCounter(score.scorer == game3d::kBlue ? "Label5" : "Label6", score.completed);
    showTurn();
    at("Label8").caption = texts::kBlankPoint;
    addToCounter(mover_ == game3d::kRed ? "Label30" : "Label29", score.points);
  }
  forms::Control& status = at("Label33");
  status.caption = score.status;
  if (score.statusColour) status.forecolor = *score.statusColour;
  if (score.completed == 0 && onePlayer() && timeLimitInForce()) restartMoveClock();

  for (int box : score.boxes) showCompletedBox(box, variant);

  const int left = game3d::movesLeft(position_);
  at("Label34").caption = std::to_string(left);
  if (left == 0) {
    endOfGame();
    return;
  }
  viewrefresh();
  if (game3d::computerToMove(onePlayer(), redtomove_, variant)) {
    computerMove();
    return;
  }
  forms::Control& entry = at("Text1");
  entry.forecolor = status.forecolor;
  if (isShown(entry)) setFocus(entry);
}

void DorvanForm::showCompletedBox(int box, game3d::Variant variant) {
  position_.claimed[box] = 1;
  const auto lines = game3d::boxLines(variant, box);
  boxSlots_ = static_cast<int>(lines.size());
  for (int slot = 1; slot <= boxSlots_; ++slot) {
    boxlines_[slot] = lines[slot - 1];
    savedcolors_[slot] = at("LN", boxlines_[slot]).color;
  }
  if (at("snd").checked) app().platform().beep();
  at("Picture1").visible = false;
  showbox();
  viewrefresh();
  // A square stays lit until half a second past the nearest whole second, a cube a second past.
  platform::pauseToRoundedSecondPlus(app().platform(), game3d::scoresCubes(variant) ? 1.0 : 0.5,
                                     platform::PauseKind::NoInput);
  restorebox();
  viewrefresh();
  if (at("cuscore").checked) at("Picture1").visible = true;
}

void DorvanForm::showbox() {
  for (int slot = 1; slot <= boxSlots_; ++slot)
    at("LN", boxlines_[slot]).color = game3d::kHighlightColour;
}

void DorvanForm::restorebox() {
  for (int slot = 1; slot <= boxSlots_; ++slot)
    at("LN", boxlines_[slot]).color = savedcolors_[slot];
}

void DorvanForm::endOfGame() {
  const int bluePoints = counter("Label29");
  const int redPoints = counter("Label30");
  const int blueScore = counter("Label5");
  const int redScore = counter("Label6");
  // The verdict stands over the drawing while the question is asked.
  forms::Control& verdict = at("Label40");
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
  at("Picture3").visible = false;
  const game3d::GameStart start = game3d::newGameStart(bluestarts_);
  bluestarts_ = start.bluestarts;
  const bool twoPlayers = at("ip", 1).checked;
  at("ip", 0).checked = !twoPlayers;
  at("ip", 1).checked = twoPlayers;
  for (int k = 0; k < 3; ++k) at("game", k).checked = k == gamevariant_;
  viewrefresh();
  setMenusEnabled(true);
  resetDrawing();
  position_ = {};
  for (const char* counter : {"Label5", "Label6", "Label29", "Label30"})
    at(counter).caption = std::string(texts::kZero);
  at("List1").items.clear();
  forms::Control& status = at("Label33");
  status.forecolor = game3d::kBlueStatusColour;
  status.caption = game3d::texts::kStartPlaying;
  at("Label34").caption = std::to_string(game3d::kLineCount);
  at("Label40").visible = false;
  at("Label40").caption.clear();
  redtomove_ = start.redtomove;
  showTurn();
  // When Red opens, the after-move procedure runs at once: it announces Red's turn and, against
  // the computer, lets it draw the first line.
  if (redtomove_ == 1) aftermove();
}

void DorvanForm::resetDrawing() {
  for (int k = 0; k < kMainSegments; ++k) setSegment(at("LN", k), kMainView[k]);
  for (int k = 1; k <= kSideSegments; ++k) {
    setSegment(at("bN", k), kReverseView[k]);
    setSegment(at("aN", k), kInverseView[k]);
  }
}

void DorvanForm::setMenusEnabled(bool enabled) {
  for (const char* menu : {"opt", "xq", "sdz"}) at(menu).enabled = enabled;
}

void DorvanForm::restartMoveClock() {
  clock_.restart();
  at("Timer1").setTimerEnabled(true);
}

void DorvanForm::stopMoveClock() {
  at("Timer1").setTimerEnabled(false);
}

}  // namespace dorvan::window3d
