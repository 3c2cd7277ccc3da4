// The choice of computer opponent, between games, and the hint: the strong computer's line for
// the side to move, marked green where it is shown until the next command that changes the
// game or the view. A hint changes nothing of the game: no table, no clock, no turn, and no
// draw of the random source.

#include "rules/colours.h"
#include "search/boards.h"
#include "search/opponent.h"
#include "window4d/form2.h"
#include "window4d/line_widths.h"

namespace dorvan::window4d {

namespace {

LineLook lookOf(const forms::Control& c) {
  return {c.visible, c.color, c.borderWidth};
}

void restore(forms::Control& c, const LineLook& look) {
  c.visible = look.visible;
  c.color = look.color;
  c.borderWidth = look.borderWidth;
}

}  // namespace

void Form2::opp_Click(int index) {
  if (!ui_->opponents.contains(index)) return;
  for (forms::Control* item : ui_->opponents) item->checked = item->index == index;
}

void Form2::hnt_Click() {
  const Variant played = variant();
  const search::Node node = search::nodeOf(session_.game.position, played, session_.game.toMove());
  const int line = search::strongLine(search::tesseractBoard(played, halfLevelOn()), node).line;
  if (line == 0) return;  // the game is over
  clearHint();
  for (int position : positionsShowing(line)) {
    forms::Control& main = ui_->pow[position];
    forms::Control& second = ui_->slam[position];
    hint_.push_back({position, lookOf(main), lookOf(second)});
    main.visible = second.visible = true;
    main.color = second.color = rules::kHighlightColour;
    main.borderWidth = widths::kHighlightMain;
    second.borderWidth = widths::kHighlightSecond;
  }
}

void Form2::clearHint() {
  for (const HintMark& mark : hint_) {
    restore(ui_->pow[mark.position], mark.main);
    restore(ui_->slam[mark.position], mark.second);
  }
  hint_.clear();
}

bool Form2::hinted(int position) const {
  for (const HintMark& mark : hint_)
    if (mark.position == position) return true;
  return false;
}

}  // namespace dorvan::window4d
