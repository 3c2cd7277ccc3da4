// Moves exchanged with a player at another machine: a move name typed or pasted into the entry
// box is played as if it had been clicked, except that it is not copied back to the clipboard.

#include "forms/application.h"
#include "game3d/lattice_tables.h"
#include "window3d/dorvan_form.h"
#include "window3d/window_texts.h"

namespace dorvan::window3d {

void DorvanForm::command6_Click() {
  // Anything but one of the move names exactly as written is ignored without a word.
  const int line = game3d::lineOfMoveName(ui_->entry.caption);
  if (line != 0) playLine(line, false);
}

void DorvanForm::Command2_Click() {
  forms::Control& entry = ui_->entry;
  entry.caption.clear();
  entry.caption = app().platform().clipboardText();
  command6_Click();
}

void DorvanForm::Command1_Click() {
  setFocus(ui_->restingFocus);
  ui_->lastFrom.caption = texts::kBlankPoint;
}

}  // namespace dorvan::window3d
