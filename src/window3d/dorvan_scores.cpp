// The score lists of the 3D window: the high-score table in the side panel and the running
// record of the rounds played since the window opened, with its totals.

#include "forms/application.h"
#include "game3d/score_lists.h"
#include "game3d/texts.h"
#include "window3d/dorvan_form.h"

namespace dorvan::window3d {

namespace {

// Wide enough to show the side panels right of the drawing.
constexpr int kWithPanelsWidth = 14500;

}  // namespace

void DorvanForm::high_Click() {
  at("Label37").caption = game3d::texts::kHighScoresTitle;
  forms::Control& list = at("List2");
  list.visible = true;
  at("Picture3").visible = true;
  list.items = game3d::highScoreEntries();
  // The side panel lies right of the board; widen a normal window so the list can be seen.
  if (width < kWithPanelsWidth) {
    width = kWithPanelsWidth;
    centreOnScreen();
  }
}

void DorvanForm::cuscore_Click() {
  forms::Control& moves = at("mvs");
  // The move list and the record share the widened window; the move list goes first.
  if (moves.checked && moves.onClick) moves.onClick(moves.index);
  forms::Control& item = at("cuscore");
  if (item.checked) {
    if (at("Check1").value == 0 && at("Check2").value == 0) restoreNormalSize();
    item.checked = false;
    return;
  }
  item.checked = true;
  at("Picture1").visible = true;
  if (width < kWithPanelsWidth) {
    width = kWithPanelsWidth;
    centreOnScreen();
  }
}

void DorvanForm::addRound() {
  const int blue = counter("Label5");
  const int red = counter("Label6");
  forms::Control& list = at("List4");
  list.items.push_back(game3d::roundLine(game3d::nextRound(list.items.size()), blue, red));
  addToCounter("label7", blue, 5);
  addToCounter("label7", red, 6);
  list.items.push_back(game3d::subtotalLine(counter("label7", 5), counter("label7", 6)));
  list.items.push_back(" ");
}

}  // namespace dorvan::window3d
