// The score lists of the 3D window: the high-score table in the side panel and the running
// record of the rounds played since the window opened, with its totals.

#include "forms/application.h"
#include "rules/score_lists.h"
#include "rules/texts.h"
#include "window3d/dorvan_form.h"
#include "window3d/window_texts.h"

namespace dorvan::window3d {

void DorvanForm::high_Click() {
  Controls& ui = *ui_;
  ui.sidePanelTitle.caption = texts::kHighScoresTitle;
  ui.highScores.visible = true;
  ui.sidePanel.visible = true;
  ui.highScores.items = rules::highScoreEntries();
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

}  // namespace dorvan::window3d
