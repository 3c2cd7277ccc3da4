// The 3D window's menu choices: the game variant, the player mode, the grid overlay, a new game,
// the advice on playing over a distance, and leaving.

#include "forms/application.h"
#include "game3d/texts.h"
#include "game3d/turn_flow.h"
#include "window3d/board_geometry.h"
#include "window3d/dorvan_form.h"
#include "window3d/window_texts.h"

namespace dorvan::window3d {

namespace {

void tell(forms::Application& app, std::string_view text) {
  app.platform().messageBox(std::string(text), "", platform::Buttons::Ok, platform::Icon::None, 1);
}

// The controls of two-player move entry, shown only while two people play.
constexpr const char* kEntryControls[] = {"Text1", "Command6", "Label38", "Label39", "Command2"};

}  // namespace

void DorvanForm::game_Click(int index) {
  if (index < 0 || index > 2) return;
  const game3d::Variant variant = game3d::variantFromIndex(index);
  if (!game3d::variantAllowed(variant, at("ip", 1).checked)) {
    tell(app(), game3d::texts::kDuomarNeedsTwoPlayers);
    return;
  }
  for (int k = 0; k < 3; ++k) at("game", k).checked = k == index;
  at("Label36").caption = game3d::texts::variantCaption(variant);
  gamevariant_ = index;
}

void DorvanForm::ip_Click(int index) {
  if (index == 1) {
    at("ip", 0).checked = false;
    at("ip", 1).checked = true;
    for (const char* name : kEntryControls) at(name).visible = true;
    at("Command6").isDefault = true;
    forms::Control& entry = at("Text1");
    entry.caption.clear();
    setFocus(entry);
    return;
  }
  if (at("game", 1).checked) {
    tell(app(), texts::kDuomarStaysTwoPlayer);
    return;
  }
  at("ip", 0).checked = true;
  at("ip", 1).checked = false;
  for (const char* name : kEntryControls) at(name).visible = false;
}

void DorvanForm::grid_Click() {
  forms::Control& item = at("grid");
  item.checked = !item.checked;
  for (const GridMark& mark : kGrid) {
    at("Label" + std::to_string(mark.label)).visible = item.checked;
    at("Line" + std::to_string(mark.leader)).visible = item.checked;
  }
}

void DorvanForm::play_Click() {
  tell(app(), game3d::texts::kPlayAnyone);
  tell(app(), game3d::texts::kPlayAnyoneClipboard);
}

void DorvanForm::quit_Click() {
  app().end();
}

}  // namespace dorvan::window3d
