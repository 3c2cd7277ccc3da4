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

void DorvanForm::wireViewsAndOptions() {
  at("Check1").onClick = [this](int) { Check1_Click(); };
  at("Check2").onClick = [this](int) { Check2_Click(); };
  at("Command3").onClick = [this](int) { Command3_Click(); };
  at("mvs").onClick = [this](int) { mvs_Click(); };
  at("ch").onClick = [this](int) { ch_Click(); };
  at("snd").onClick = [this](int) { snd_Click(); };
  for (int k = 0; k < static_cast<int>(texts::kLevels.size()); ++k)
    at("cbm", k).onClick = [this](int i) { cbm_Click(i); };
  at("add").onClick = [this](int) { add_Click(); };
  at("rulen").onClick = [this](int) { rulen_Click(); };
  at("ab").onClick = [this](int) { ab_Click(); };
  at("abb").onClick = [this](int) { abb_Click(); };
}

void DorvanForm::ch_Click() {
  forms::Control& item = at("ch");
  item.checked = !item.checked;
  at("Label34").visible = item.checked;
  at("Label35").visible = item.checked;
  if (!item.checked) return;
  at("Label34").caption = std::to_string(game3d::movesLeft(position_));
}

void DorvanForm::snd_Click() {
  forms::Control& item = at("snd");
  item.checked = !item.checked;
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
