#include "gamewindow/game_controls.h"

#include <cmath>
#include <string>

#include "forms/application.h"
#include "forms/messages.h"
#include "rules/colours.h"
#include "rules/score_lists.h"
#include "rules/texts.h"

namespace dorvan::gamewindow {

GameControls::GameControls(forms::Form& f)
    : redTurn(f.at("Label3")),
      blueTurn(f.at("Label4")),
      blueScore(f.at("Label5")),
      redScore(f.at("Label6")),
      bluePoints(f.at("Label29")),
      redPoints(f.at("Label30")),
      status(f.at("Label33")),
      variantCaption(f.at("Label36")),
      verdict(f.at("Label40")),
      scorePanel(f.at("Picture1")),
      rounds(f.at("List4")),
      blueTotal(f.at("label7", 5)),
      redTotal(f.at("label7", 6)),
      clockTimer(f.at("Timer1")),
      clockTrack(f.at("Picture5")),
      clockBar(f.at("Picture6")),
      variants(f, "game", 0, 2),
      players(f, "ip", 0, 1),
      opponents(f, "opp", 0, 1),
      timeLimits(f, "sd", 1, 10) {}

void showTurn(GameControls& ui, const rules::Game& game) {
  ui.redTurn.visible = game.redtomove == 1;
  ui.blueTurn.visible = game.redtomove == 0;
}

void showScores(GameControls& ui, const rules::Game& game) {
  ui.blueScore.caption = std::to_string(game.blue.score);
  ui.redScore.caption = std::to_string(game.red.score);
  ui.bluePoints.caption = std::to_string(game.blue.points);
  ui.redPoints.caption = std::to_string(game.red.points);
}

void showNewGame(GameControls& ui, const rules::Game& game) {
  showScores(ui, game);
  showTurn(ui, game);
  ui.verdict.visible = false;
  ui.verdict.caption.clear();
  ui.status.caption = rules::texts::kStartPlaying;
  ui.status.forecolor = rules::kBlueStatusColour;
}

void chooseVariant(GameControls& ui, rules::Game& game, rules::Variant variant) {
  for (forms::Control* item : ui.variants)
    item->checked = item->index == rules::variantIndex(variant);
  ui.variantCaption.caption = rules::texts::variantCaption(variant);
  game.variant = variant;
}

void restartMoveClock(GameControls& ui, rules::MoveClock& clock) {
  clock.restart();
  ui.clockTimer.setTimerEnabled(true);
}

void stopMoveClock(GameControls& ui) {
  ui.clockTimer.setTimerEnabled(false);
}

bool tickMoveClock(GameControls& ui, rules::MoveClock& clock) {
  const bool expired = clock.tick();
  const auto track = static_cast<float>(ui.clockTrack.width);
  ui.clockBar.left = static_cast<int>(std::lround(clock.barLeft(track)));
  if (expired) stopMoveClock(ui);
  return expired;
}

void loseOnTime(forms::Application& app) {
  forms::tell(app, rules::texts::kYouLose);
  app.end();
}

bool askPlayAgain(forms::Application& app, GameControls& ui, const rules::Game& game) {
  ui.verdict.caption = std::string(rules::texts::pointsResult(game.blue.points, game.red.points)) +
                       "\n" +
                       std::string(rules::texts::scoreResult(game.blue.score, game.red.score));
  ui.verdict.visible = true;
  const platform::Answer again = app.platform().messageBox(
      std::string(rules::texts::kPlayAgain), std::string(rules::texts::kPlayAgainTitle),
      platform::Buttons::YesNo, platform::Icon::Question, 2);
  return again == platform::Answer::Yes;
}

void addRound(GameControls& ui, rules::Session& session) {
  rules::addRound(ui.rounds.items, session.totals, session.game.blue.score, session.game.red.score);
  ui.blueTotal.caption = std::to_string(session.totals.blue);
  ui.redTotal.caption = std::to_string(session.totals.red);
}

}  // namespace dorvan::gamewindow
