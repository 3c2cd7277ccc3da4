// The 3D window's smaller switches and its ways out: the moves-left counter, the sound, the
// level menu, a further game window, the help and the about window.

#include "forms/application.h"
#include "startup/about/about_form.h"
#include "startup/help.h"
#include "window3d/dorvan_form.h"
#include "window3d/window_texts.h"

namespace dorvan::window3d {

namespace {

// Entries of the level menu that this program has.
constexpr int kLevelSquared = 2;
constexpr int kLevelTesseract = 5;
// A further game window opens this far right of and below the window it was added from, so
// that both title bars can be seen.
constexpr int kCascade = 480;

}  // namespace

void DorvanForm::ch_Click() {
  Controls& ui = *ui_;
  forms::Control& item = ui.cheatItem;
  item.checked = !item.checked;
  ui.movesLeft.visible = item.checked;
  ui.movesLeftCaption.visible = item.checked;
  if (!item.checked) return;
  showMovesLeft(rules::freeLines(game3d::kBoard, session_.game.position));
}

void DorvanForm::snd_Click() {
  ui_->soundItem.checked = !ui_->soundItem.checked;
}

void DorvanForm::cbm_Click(int index) {
  // The other levels of the series are not part of this program; their entries do nothing.
  if (index != kLevelSquared && index != kLevelTesseract) return;
  app().unload(*this);
  app().load(index == kLevelSquared ? "dorvan" : "Form2");
}

void DorvanForm::add_Click() {
  const std::optional<std::string> name =
      app().platform().inputBox(std::string(texts::kAddPrompt), std::string(texts::kAddTitle));
  if (!name || name->empty()) return;
  // A game of its own against the next opponent: a window with its own board and counters.
  forms::Form* game = app().loadHidden("dorvan");
  if (!game) return;
  game->caption = *name;
  game->left = left + kCascade;
  game->top = top + kCascade;
  app().show(*game);
}

void DorvanForm::rulen_Click() {
  startup::startHelp(app(), true);
}

void DorvanForm::ab_Click() {
  startup::openAbout(app(), std::string(texts::kAboutCaption));
}

// The help menu's "About..." does what "&About,,," does.
void DorvanForm::abb_Click() {
  ab_Click();
}

}  // namespace dorvan::window3d
