#pragma once
// What the two game windows show of a game alike, under the same control names: the turn signs,
// the scores and points, the status line, the verdict at the end, the variant, the rounds and
// their totals, the move clock's bar, and the menu arrays of variants, players and time limits.
// Each window's own control binding derives from this one.

#include "forms/control_array.h"
#include "forms/form.h"
#include "rules/game.h"

namespace dorvan::gamewindow {

struct GameControls {
  explicit GameControls(forms::Form& form);
  forms::Control& redTurn;         // Label3
  forms::Control& blueTurn;        // Label4
  forms::Control& blueScore;       // Label5
  forms::Control& redScore;        // Label6
  forms::Control& bluePoints;      // Label29
  forms::Control& redPoints;       // Label30
  forms::Control& status;          // Label33
  forms::Control& variantCaption;  // Label36
  forms::Control& verdict;         // Label40
  forms::Control& scorePanel;      // Picture1
  forms::Control& rounds;          // List4
  forms::Control& blueTotal;       // label7(5)
  forms::Control& redTotal;        // label7(6)
  forms::Control& clockTimer;      // Timer1
  forms::Control& clockTrack;      // Picture5
  forms::Control& clockBar;        // Picture6
  forms::ControlArray variants;    // game(0..2)
  forms::ControlArray players;     // ip(0..1)
  forms::ControlArray opponents;   // opp(0..1)
  forms::ControlArray timeLimits;  // sd(1..10)
};

// The signs show the side to move.
void showTurn(GameControls& ui, const rules::Game& game);
// Both sides' scores and points.
void showScores(GameControls& ui, const rules::Game& game);
// A new game before its first line: no scores, no verdict, the opener's turn, and the status
// line asks for the first line.
void showNewGame(GameControls& ui, const rules::Game& game);
// The menu checks the variant and the label names it; the game plays it from now on.
void chooseVariant(GameControls& ui, rules::Game& game, rules::Variant variant);

// Restarting sets the person's full time and starts the 100 ms timer from now.
void restartMoveClock(GameControls& ui, rules::MoveClock& clock);
void stopMoveClock(GameControls& ui);
// One tick of the timer: the clock counts down and the bar slides. Returns true once the time is
// up, having stopped the timer so that no further tick asks again; then `loseOnTime`.
bool tickMoveClock(GameControls& ui, rules::MoveClock& clock);
// "You lose.", and the program ends.
[[noreturn]] void loseOnTime(forms::Application& app);

// The end of a game: the verdicts by points and by score stand over the drawing while the
// person is asked whether to play again. True for Yes.
bool askPlayAgain(forms::Application& app, GameControls& ui, const rules::Game& game);
// The finished game becomes a round of the record, and the totals show it.
void addRound(GameControls& ui, rules::Session& session);

}  // namespace dorvan::gamewindow
