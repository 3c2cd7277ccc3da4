// The tesseract window's construction, its menu bar and handlers, and what loading sets up.
#include "window4d/form2.h"

#include <functional>

#include "forms/application.h"
#include "forms/control_spec.h"
#include "gamewindow/sudden_death.h"
#include "window4d/click_targets.h"
#include "window4d/form2_controls.h"
#include "window4d/form2_texts.h"

namespace dorvan::window4d {

Form2::Controls::Controls(Form& f)
    : GameControls(f),
      label2(f, "Label2", 0, kLabel2Count - 1),
      pow(f, "pow", 1, kPositionCount),
      slam(f, "slam", 1, kPositionCount),
      line1(f, "Line1", 1, 4),
      line2(f, "Line2", 1, 4),
      line10(f, "Line10", 2, 2),
      cellBoxes(f, "Check1", 1, 10),
      pairBoxes(f, "Check4", 0, 20),
      turnExternal(f, "Command1", 0, 7),
      turnInternal(f, "Command2", 0, 5),
      turnFrameExternal(f.at("Frame1")),
      turnFrameInternal(f.at("Frame2")),
      showDots(f.at("Check2")),
      showAsDashes(f.at("Check3")),
      programsMenu(f.at("op")),
      levelsMenu(f.at("opmz")),
      gamesMenu(f.at("opmef")),
      optionsMenu(f.at("gamz")),
      accurateView(f.at("showfour")),
      cheat(f.at("cht")),
      thinLines(f.at("gdr")),
      normalLevel(f.at("opmen", 7)),
      halfLevel(f.at("opmen", 8)) {
  for (int frame = 1; frame <= kFrameCount; ++frame) {
    L[frame] = forms::ControlArray(f, frameName(true, frame), 1, kElementsPerFrame);
    m[frame] = forms::ControlArray(f, frameName(false, frame), 1, kElementsPerFrame);
    a[frame] = forms::ControlArray(f, "a" + std::to_string(frame), 1, 3);
    b[frame] = forms::ControlArray(f, "b" + std::to_string(frame), 1, 3);
  }
}

Form2::Form2(forms::Application& app) : Form(app, "Form2") {
  caption = std::string(texts::kCaption);
  backcolor = forms::kLightGrey;
  // Sized to the screen, the window shows its whole design even where a screen is smaller.
  showsWholeDesign = true;
  addDrawing();
  addDiagram();
  addHighlights();
  addPanel();
  addTargets();
  addMenus();
  ui_.emplace(*this);
  wireHandlers();
}

void Form2::addMenus() {
  constexpr int none = forms::kNoIndex;
  static constexpr forms::MenuSpec throughOptions[] = {
      {"tmen", none, texts::kGameMenu, ""},
      {"gmen", 1, texts::kNew, "tmen"},
      {"hnt", none, texts::kHint, "tmen"},
      {"gmen", 2, texts::kSeparator, "tmen"},
      {"gmen", 7, texts::kExit, "tmen"},
      {"lai", none, texts::kSeparator, "tmen"},
      {"abb", none, texts::kAbout, "tmen"},
      {"op", none, texts::kPrograms, ""},
      {"opme", 1, texts::kProgramEntries[1], "op"},
      {"opme", 2, texts::kProgramEntries[2], "op"},
      {"opme", 3, texts::kProgramEntries[3], "op"},
      {"opme", 4, texts::kProgramEntries[4], "op"},
      {"opme", 5, texts::kProgramEntries[5], "op", true},
      {"opmz", none, texts::kLevels, ""},
      {"opmen", 7, texts::kNormal, "opmz", true},
      {"opmen", 8, texts::kHalfLevel, "opmz"},
      {"opmef", none, texts::kGamesMenu, ""},
      {"game", 0, texts::kVariants[0], "opmef", true},
      {"game", 1, texts::kVariants[1], "opmef"},
      {"game", 2, texts::kVariants[2], "opmef"},
      {"msc", none, texts::kSmash, "opmef"},
      {"gamz", none, texts::kOptions, ""},
      {"ip", 0, texts::kPlayers[0], "gamz", true},
      {"ip", 1, texts::kPlayers[1], "gamz"},
      {"opp", 0, texts::kOpponents[0], "gamz", true},
      {"opp", 1, texts::kOpponents[1], "gamz"},
      {"szl", none, texts::kSeparator, "gamz"},
      {"cht", none, texts::kCheat, "gamz"},
      {"dsm", none, texts::kSuddenDeath, "gamz"},
  };
  static constexpr forms::MenuSpec display[] = {
      {"disfz", none, texts::kDisplayMenu, ""},
      {"gdr", none, texts::kMinimizeFatness, "disfz"},
      {"showfour", none, texts::kShowFour, "disfz"},
      {"cuscore", none, texts::kCumulative, "disfz"},
      {"rul", none, texts::kRulesMenu, ""},
      {"hlp", none, texts::kRules, "rul"},
      {"ksa", none, texts::kSeparator, "rul"},
      {"abt", none, texts::kAbout, "rul"},
  };
  // The 4D window's limit is 30 seconds.
  static constexpr auto suddenDeath = gamewindow::suddenDeathItems("dsm", 5);
  forms::addMenus(*this, throughOptions);
  forms::addMenus(*this, suddenDeath);
  forms::addMenus(*this, display);
  at("gmen", 1).shortcut = "F2";
  at("hlp").shortcut = "F1";
  at("hnt").shortcut = "Ctrl+H";
}

void Form2::wireHandlers() {
  // Commands that change the game wait while a move is being scored; the rest run at once.
  // Each of them takes away a hint first, since the line it marks may move or be drawn.
  auto later = [this](auto handler) {
    return [this, handler](int i) {
      whenIdle([this, handler, i] {
        clearHint();
        std::invoke(handler, this, i);
      });
    };
  };
  for (forms::Control* target : ui_->label2) target->onClick = later(&Form2::Label2_Click);
  at("gmen", 1).onClick = later(&Form2::gmen_Click);
  at("gmen", 7).onClick = [this](int i) { gmen_Click(i); };
  for (int k = 1; k <= 5; ++k) at("opme", k).onClick = [this](int i) { opme_Click(i); };
  for (int k : {7, 8}) at("opmen", k).onClick = later(&Form2::opmen_Click);
  for (forms::Control* item : ui_->variants) item->onClick = [this](int i) { game_Click(i); };
  for (forms::Control* item : ui_->players) item->onClick = [this](int i) { ip_Click(i); };
  for (forms::Control* item : ui_->opponents) item->onClick = [this](int i) { opp_Click(i); };
  at("hnt").onClick = later([](Form2* self, int) { self->hnt_Click(); });
  for (forms::Control* item : ui_->timeLimits) item->onClick = [this](int i) { sd_Click(i); };
  for (forms::Control* box : ui_->cellBoxes) box->onClick = later(&Form2::Check1_Click);
  for (forms::Control* box : ui_->pairBoxes) box->onClick = later(&Form2::Check4_Click);
  for (forms::Control* button : ui_->turnExternal) button->onClick = later(&Form2::Command1_Click);
  for (forms::Control* button : ui_->turnInternal) button->onClick = later(&Form2::Command2_Click);
  ui_->cheat.onClick = later([](Form2* self, int) { self->cht_Click(); });
  ui_->thinLines.onClick = later([](Form2* self, int) { self->gdr_Click(); });
  ui_->accurateView.onClick = later([](Form2* self, int) { self->showfour_Click(); });
  ui_->showDots.onClick = [this](int) { Check2_Click(); };
  ui_->showAsDashes.onClick = later([](Form2* self, int) { self->Check3_Click(); });
  at("msc").onClick = [this](int) { msc_Click(); };
  at("cuscore").onClick = [this](int) { cuscore_Click(); };
  at("hlp").onClick = [this](int) { hlp_Click(); };
  at("abb").onClick = [this](int) { abb_Click(); };
  at("abt").onClick = [this](int) { abt_Click(); };
  ui_->clockTimer.onTimer = [this](int) { Timer1_Timer(); };
}

void Form2::Form_Load() {
  Controls& ui = *ui_;
  const platform::ScreenSize screen = app().platform().screenSize();
  width = screen.width;
  height = screen.height - 500;
  ui.rounds.items.emplace_back();
  quecheat();
  for (int frame = 1; frame <= kFrameCount; ++frame) homecolours_[frame] = ui.L[frame][1].color;
  for (forms::Control* p : ui.pow) p->visible = ui.showAsDashes.value == 1;
  left = (screen.width - width) / 2;
  top = (screen.height - height) / 2 - 300;
  for (int k = 1; k < kLabel2Count; ++k) ui.label2[k].transparent = true;
  for (int p = 1; p <= kPositionCount; ++p) {
    ui.pow[p].visible = false;
    ui.slam[p].visible = false;
    ui.slam[p].style = forms::LineStyle::Solid;
  }
  for (int frame = 1; frame <= kFrameCount; ++frame)
    for (forms::Control* line : ui.L[frame]) line->borderWidth = 1;
  for (int k = 0; k < kLabel2Count; ++k) {
    if ((k >= 4 && k <= 7) || k >= 41) continue;
    ui.label2[k].left = label2[k].rect.left;
    ui.label2[k].top = label2[k].rect.top;
  }
  ui.showDots.value = 0;  // "Show dots" does nothing more when it is cleared
  if (app().levelFlag == 1) opmen_Click(8);
}

Variant Form2::variant() const {
  return session_.game.variant;
}

bool Form2::onePlayer() const {
  return ui_->players[0].checked;
}

bool Form2::halfLevelOn() const {
  return ui_->halfLevel.checked;
}

// The 4D window keeps its 30 s whichever entry is chosen; only "No time limit" would stop it.
bool Form2::timeLimitInForce() const {
  return !ui_->timeLimits[1].checked;
}

}  // namespace dorvan::window4d
