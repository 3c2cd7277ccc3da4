// The choice of computer opponent, between games, and the hint: the strong computer's line for
// the side to move, shown green on the board until the next line is drawn. A hint changes
// nothing of the game: no table, no clock, no turn, and no draw of the random source.

#include "rules/colours.h"
#include "search/boards.h"
#include "search/opponent.h"
#include "window3d/board_geometry.h"
#include "window3d/dorvan_form.h"

namespace dorvan::window3d {

void DorvanForm::opp_Click(int index) {
  if (!ui_->opponents.contains(index)) return;
  for (forms::Control* item : ui_->opponents) item->checked = item->index == index;
}

void DorvanForm::hnt_Click() {
  const rules::Variant variant = session_.game.variant;
  const search::Node node = search::nodeOf(session_.game.position, variant, session_.game.toMove());
  const int line = search::strongLine(search::cubeBoard(variant), node).line;
  if (line == 0) return;  // the game is over
  clearHint();
  hintedLine_ = line;
  for (forms::ControlArray* view : {&ui_->mainView, &ui_->reverseView}) {
    forms::Control& segment = (*view)[line];
    segment.borderWidth = kHintWidth;
    segment.color = rules::kHighlightColour;
  }
}

void DorvanForm::clearHint() {
  const int line = hintedLine_;
  hintedLine_ = 0;
  if (line == 0 || !session_.game.position.isFree(line)) return;
  ui_->mainView[line].color = kMainView[line].colour;
  ui_->reverseView[line].color = kReverseView[line].colour;
  ui_->mainView[line].borderWidth = ui_->reverseView[line].borderWidth = kFreeWidth;
}

}  // namespace dorvan::window3d
