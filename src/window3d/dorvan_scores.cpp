// The score lists of the 3D window: the high-score table in the side panel and the running
// record of the rounds played since the window opened, with its totals.

#include "forms/application.h"
#include "game3d/score_lists.h"
#include "game3d/texts.h"
#include "window3d/dorvan_form.h"

namespace dorvan::window3d {

void DorvanForm::high_Click() {
  Controls& ui = *ui_;
  ui.sidePanelTitle.caption = game3d::texts::kHighScoresTitle;
  ui.highScores.visible = true;
  ui.sidePanel.visible = true;
  ui.highScores.items = game3d::highScoreEntries();
  widenForPanels();
}

void DorvanForm::cuscore_Click() {
  Controls& ui = *ui_;
  // The move list and the record share the widened window; the move list goes first.
  if (ui.movesItem.checked && ui.movesItem.onClick) ui.movesItem.onClick(ui.movesItem.index);
  forms::Control& item = ui.cumulativeItem;
  if (item.checked) {
    narrowUnlessViewsShown();
    item.checked = false;
    return;
  }
  item.checked = true;
  ui.scorePanel.visible = true;
  widenForPanels();
}

void DorvanForm::addRound() {
  Controls& ui = *ui_;
  const int blue = counter(ui.blueScore);
  const int red = counter(ui.redScore);
  forms::Control& list = ui.rounds;
  list.items.push_back(game3d::roundLine(game3d::nextRound(list.items.size()), blue, red));
  addToCounter(ui.blueTotal, blue);
  addToCounter(ui.redTotal, red);
  list.items.push_back(game3d::subtotalLine(counter(ui.blueTotal), counter(ui.redTotal)));
  list.items.push_back(" ");
}

}  // namespace dorvan::window3d
