// The tesseract window's commands: its menus, the level switch, the cell check boxes and the
// click targets' first steps.

#include "forms/application.h"
#include "game3d/texts.h"
#include "startup/about/about_form.h"
#include "startup/help.h"
#include "window4d/click_targets.h"
#include "window4d/form2.h"
#include "window4d/form2_texts.h"

namespace dorvan::window4d {

namespace {

void tell(forms::Application& app, std::string_view text, std::string_view title = {},
          platform::Icon icon = platform::Icon::None) {
  app.platform().messageBox(std::string(text), std::string(title), platform::Buttons::Ok, icon, 1);
}

// The menus that cannot change while a game is under way.
constexpr const char* kGameMenus[] = {"op", "opmz", "opmef", "gamz", "showfour"};

constexpr int kExitItem = 7;
constexpr int kNormalItem = 7;
constexpr int kHalfLevelItem = 8;
constexpr int kMysterious2 = 9;   // shows `Line1`
constexpr int kMysterious1 = 10;  // shows `Line2`

}  // namespace

void Form2::Label2_Click(int index) {
  at("Picture1").visible = false;
  if (index < 0 || index >= kLabel2Count) return;
  const int position = label2[index].position;
  if (position == 0) return;
  if (screenpositions[position].closedAtHalfLevel && at("opmen", kHalfLevelItem).checked) return;
  // Drawing and scoring the line shown at `position` belong to the move procedure.
}

void Form2::gmen_Click(int index) {
  if (index == kExitItem) app().end();
  newGame();
}

void Form2::newGame() {
  for (bool mainView : {true, false})
    for (int frame = 1; frame <= kFrameCount; ++frame)
      for (int element = 1; element <= kElementsPerFrame; ++element)
        drawingLine(mainView, {frame, element}).borderWidth = 1;
  quecheat();
  bluestarts_ = 1 - bluestarts_;
  mover_ = 0;
  at("Label5").caption = texts::kZero;
  at("Label6").caption = texts::kZero;
  for (const char* menu : kGameMenus) at(menu).enabled = true;
  for (int p = 1; p <= kPositionCount; ++p) {
    at("pow", p).visible = false;
    at("slam", p).visible = false;
  }
  lineowner_ = {};
  sqmarks_ = {};
  unitdone_ = {};
  cellmarks_ = {};
  if (bluestarts_ == 0) {
    redtomove_ = 1;
    movescore();
  } else {
    redtomove_ = 0;
  }
}

void Form2::movescore() {
  // Scoring, the turn and the computer's reply come with the move procedure.
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
  for (int k = 0; k < 8; ++k) at("Command1", k).visible = shown;
  for (int k = 0; k < 6; ++k) at("Command2", k).visible = shown;
  // Without their buttons the two frames would stand empty; the heading above them stays.
  for (const char* name : {"Frame1", "Frame2"}) at(name).visible = shown;
}

void Form2::setLevelHalf() {
  showTurning(false);
  forms::Control& accurate = at("showfour");
  if (accurate.checked) {
    getfour();
    accurate.checked = false;
  }
  accurate.enabled = false;
  setCheck1(kMysterious2, 0);
  setCheck1(kMysterious1, 0);
  for (int cell = 1; cell <= kFrameCount; ++cell) {
    setCheck1(cell, 1);
    at("Check1", cell).enabled = false;
  }
  // The four cells around the corner of lines 1, 4, 6 and 26 leave the board.
  for (int k : {1, 2, 7, 8, kMysterious2}) {
    setCheck1(k, 0);
    at("Check1", k).enabled = false;
  }
  at("opmen", kNormalItem).checked = false;
  at("opmen", kHalfLevelItem).checked = true;
}

void Form2::setLevelNormal() {
  for (int frame = 1; frame <= 7; ++frame)
    for (int k = 1; k <= 3; ++k) at("a" + std::to_string(frame), k).visible = true;
  at("showfour").enabled = true;
  showTurning(true);
  for (int k = 1; k <= kMysterious1; ++k) at("Check1", k).enabled = true;
  for (int cell = 1; cell <= kFrameCount; ++cell) {
    at("Check1", cell).value = 1;
    Check1_Click(cell);
  }
  Check1_Click(kMysterious2);
  Check1_Click(kMysterious1);
  at("opmen", kNormalItem).checked = true;
  at("opmen", kHalfLevelItem).checked = false;
}

void Form2::setCheck1(int index, int value) {
  forms::Control& box = at("Check1", index);
  if (box.value == value) return;
  box.value = value;
  Check1_Click(index);
}

void Form2::Check1_Click(int index) {
  const bool shown = at("Check1", index).value == 1;
  if (index == kMysterious2 || index == kMysterious1) {
    const std::string lines = index == kMysterious2 ? "Line1" : "Line2";
    for (int k = 1; k <= 4; ++k) at(lines, k).visible = shown;
    return;
  }
  if (!isFrame(index)) return;
  for (bool mainView : {true, false})
    for (int element = 1; element <= kElementsPerFrame; ++element)
      drawingLine(mainView, {index, element}).visible = shown;
  for (const char* key : {"a", "b"})
    for (int k = 1; k <= 3; ++k) at(key + std::to_string(index), k).visible = shown;
}

void Form2::game_Click(int index) {
  if (index < 0 || index > 2) return;
  if (index == 1 && at("ip", 0).checked) {
    tell(app(), game3d::texts::kDuomarNeedsTwoPlayers);
    return;
  }
  for (int k = 0; k < 3; ++k) at("game", k).checked = k == index;
  at("Label36").caption = game3d::texts::variantCaption(game3d::variantFromIndex(index));
}

void Form2::msc_Click() {
  tell(app(), texts::kSmashMissing, texts::kSmashTitle);
}

void Form2::ip_Click(int index) {
  if (index == 0 && at("game", 1).checked) {
    tell(app(), texts::kDuomarStaysTwoPlayer);
    return;
  }
  at("ip", 0).checked = index == 0;
  at("ip", 1).checked = index == 1;
}

void Form2::cht_Click() {
  forms::Control& cheat = at("cht");
  cheat.checked = !cheat.checked;
  quecheat();
}

void Form2::sd_Click(int) {
  // The 4D window keeps the limit it set when it loaded, whichever entry is chosen.
}

void Form2::cuscore_Click() {
  at("Picture1").visible = true;
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
