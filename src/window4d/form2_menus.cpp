// The tesseract window's commands: its menus, the level switch, the cell check boxes and the
// click targets' first steps.

#include "forms/application.h"
#include "forms/messages.h"
#include "rules/texts.h"
#include "startup/about/about_form.h"
#include "startup/help.h"
#include "window4d/form2.h"
#include "window4d/form2_texts.h"

namespace dorvan::window4d {

namespace {

using forms::tell;

constexpr int kExitItem = 7;
constexpr int kNormalItem = 7;
constexpr int kHalfLevelItem = 8;
constexpr int kMysterious2 = 9;   // shows `Line1`
constexpr int kMysterious1 = 10;  // shows `Line2`

}  // namespace

void Form2::gmen_Click(int index) {
  if (index == kExitItem) app().end();
  newGame();
}

void Form2::opme_Click(int index) {
  switch (index) {
    case 1:
      tell(app(), texts::kFlatlandMissing, {}, platform::Icon::Info);
      break;
    case 3:
    case 4:
      tell(app(), texts::kLevelMissing, {}, platform::Icon::Info);
      break;
    case 2:
      app().unload(*this);
      app().load("dorvan");
      break;
    case 5:
      app().unload(*this);
      app().load("Form2");
      break;
    default:
      break;
  }
}

void Form2::opmen_Click(int index) {
  if (index == kHalfLevelItem) setLevelHalf();
  if (index == kNormalItem) setLevelNormal();
}

void Form2::showTurning(bool shown) {
  for (forms::Control* button : ui_->turnExternal) button->visible = shown;
  for (forms::Control* button : ui_->turnInternal) button->visible = shown;
  // Without their buttons the two frames would stand empty; the heading above them stays.
  ui_->turnFrameExternal.visible = shown;
  ui_->turnFrameInternal.visible = shown;
}

void Form2::setLevelHalf() {
  showTurning(false);
  forms::Control& accurate = ui_->accurateView;
  if (accurate.checked) {
    getfour();
    accurate.checked = false;
  }
  accurate.enabled = false;
  setCheck1(kMysterious2, 0);
  setCheck1(kMysterious1, 0);
  for (int cell = 1; cell <= kFrameCount; ++cell) {
    setCheck1(cell, 1);
    ui_->cellBoxes[cell].enabled = false;
  }
  // The four cells around the corner of lines 1, 4, 6 and 26 leave the board.
  for (int k : {1, 2, 7, 8, kMysterious2}) {
    setCheck1(k, 0);
    ui_->cellBoxes[k].enabled = false;
  }
  ui_->normalLevel.checked = false;
  ui_->halfLevel.checked = true;
}

void Form2::setLevelNormal() {
  for (int frame = 1; frame <= 7; ++frame)
    for (forms::Control* element : ui_->a[frame]) element->visible = true;
  ui_->accurateView.enabled = true;
  showTurning(true);
  for (forms::Control* box : ui_->cellBoxes) box->enabled = true;
  for (int cell = 1; cell <= kFrameCount; ++cell) {
    ui_->cellBoxes[cell].value = 1;
    Check1_Click(cell);
  }
  Check1_Click(kMysterious2);
  Check1_Click(kMysterious1);
  ui_->normalLevel.checked = true;
  ui_->halfLevel.checked = false;
}

void Form2::setCheck1(int index, int value) {
  forms::Control& box = ui_->cellBoxes[index];
  if (box.value == value) return;
  box.value = value;
  Check1_Click(index);
}

void Form2::Check1_Click(int index) {
  if (!ui_->cellBoxes.contains(index)) return;
  const bool shown = ui_->cellBoxes[index].value == 1;
  if (index == kMysterious2 || index == kMysterious1) {
    for (forms::Control* line : index == kMysterious2 ? ui_->line1 : ui_->line2)
      line->visible = shown;
    return;
  }
  if (!isFrame(index)) return;
  for (bool mainView : {true, false})
    for (int element = 1; element <= kElementsPerFrame; ++element)
      drawingLine(mainView, {index, element}).visible = shown;
  for (forms::Control* element : ui_->a[index]) element->visible = shown;
  for (forms::Control* element : ui_->b[index]) element->visible = shown;
}

void Form2::game_Click(int index) {
  if (index < 0 || index > 2) return;
  if (index == 1 && onePlayer()) {
    tell(app(), rules::texts::kDuomarNeedsTwoPlayers);
    return;
  }
  gamewindow::chooseVariant(*ui_, session_.game, rules::variantFromIndex(index));
}

void Form2::msc_Click() {
  tell(app(), texts::kSmashMissing, texts::kSmashTitle);
}

void Form2::ip_Click(int index) {
  if (index == 0 && variant() == Variant::kDuomar) {
    tell(app(), texts::kDuomarStaysTwoPlayer);
    return;
  }
  ui_->players[0].checked = index == 0;
  ui_->players[1].checked = index == 1;
}

void Form2::cht_Click() {
  ui_->cheat.checked = !ui_->cheat.checked;
  quecheat();
}

void Form2::gdr_Click() {
  ui_->thinLines.checked = !ui_->thinLines.checked;
  backoff();
}

void Form2::sd_Click(int) {
  // The 4D window keeps the limit it set when it loaded, whichever entry is chosen.
}

void Form2::cuscore_Click() {
  ui_->scorePanel.visible = true;
}

void Form2::hlp_Click() {
  startup::startHelp(app(), true);
}

void Form2::abb_Click() {
  startup::openAbout(app(), std::string(texts::kAboutCaption));
}

// The Help menu's "About..." does what the Game menu's does.
void Form2::abt_Click() {
  abb_Click();
}

}  // namespace dorvan::window4d
