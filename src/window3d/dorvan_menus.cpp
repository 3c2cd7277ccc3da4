// The 3D window's menu choices: the game variant, the player mode, the grid overlay, a new game,
// the advice on playing over a distance, and leaving.

#include "forms/application.h"
#include "forms/messages.h"
#include "rules/sides.h"
#include "rules/texts.h"
#include "window3d/dorvan_form.h"
#include "window3d/window_texts.h"

namespace dorvan::window3d {

void DorvanForm::game_Click(int index) {
  if (index < 0 || index > 2) return;
  const rules::Variant variant = rules::variantFromIndex(index);
  Controls& ui = *ui_;
  if (!rules::variantAllowed(variant, ui.players[1].checked)) {
    forms::tell(app(), rules::texts::kDuomarNeedsTwoPlayers);
    return;
  }
  gamewindow::chooseVariant(ui, session_.game, variant);
}

void DorvanForm::ip_Click(int index) {
  Controls& ui = *ui_;
  // The controls of two-player move entry are shown only while two people play.
  if (index == 1) {
    ui.players[0].checked = false;
    ui.players[1].checked = true;
    for (forms::Control* c : ui.entryAll) c->visible = true;
    ui.enter.isDefault = true;
    ui.entry.caption.clear();
    setFocus(ui.entry);
    return;
  }
  if (ui.variants[1].checked) {
    forms::tell(app(), texts::kDuomarStaysTwoPlayer);
    return;
  }
  ui.players[0].checked = true;
  ui.players[1].checked = false;
  for (forms::Control* c : ui.entryAll) c->visible = false;
}

void DorvanForm::grid_Click() {
  forms::Control& item = ui_->gridItem;
  item.checked = !item.checked;
  for (forms::Control* c : ui_->gridMarks) c->visible = item.checked;
}

void DorvanForm::play_Click() {
  forms::tell(app(), texts::kPlayAnyoneAdvice);
  forms::tell(app(), texts::kPlayAnyoneClipboard);
}

void DorvanForm::quit_Click() {
  app().end();
}

}  // namespace dorvan::window3d
