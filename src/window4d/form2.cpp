// The tesseract window's construction, its menu bar and handlers, and what loading sets up.
#include "window4d/form2.h"

#include "forms/application.h"
#include "window4d/click_targets.h"
#include "window4d/form2_controls.h"
#include "window4d/form2_texts.h"

namespace dorvan::window4d {

namespace {

constexpr Colour kBackground = 0xC0C0C0;

}  // namespace

Form2::Form2(forms::Application& app) : Form(app, "Form2") {
  caption = std::string(texts::kCaption);
  backcolor = kBackground;
  addDrawing();
  addDiagram();
  addHighlights();
  addPanel();
  addTargets();
  addMenus();
  wireHandlers();
}

void Form2::addMenus() {
  struct Item {
    const char* name;
    int index;
    std::string_view caption;
    const char* parent;
    bool checked = false;
  };
  constexpr int none = forms::kNoIndex;
  const Item items[] = {
      {"tmen", none, texts::kGameMenu, ""},
      {"gmen", 1, texts::kNew, "tmen"},
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
      {"szl", none, texts::kSeparator, "gamz"},
      {"cht", none, texts::kCheat, "gamz"},
      {"dsm", none, texts::kSuddenDeath, "gamz"},
      {"disfz", none, texts::kDisplayMenu, ""},
      {"gdr", none, texts::kMinimizeFatness, "disfz"},
      {"showfour", none, texts::kShowFour, "disfz"},
      {"cuscore", none, texts::kCumulative, "disfz"},
      {"rul", none, texts::kRulesMenu, ""},
      {"hlp", none, texts::kRules, "rul"},
      {"ksa", none, texts::kSeparator, "rul"},
      {"abt", none, texts::kAbout, "rul"},
  };
  for (const Item& item : items) {
    addMenu(item.name, std::string(item.caption), item.parent, item.index).checked = item.checked;
    if (std::string_view(item.name) == "dsm") {
      for (int k = 1; k <= 10; ++k)
        addMenu("sd", std::string(texts::kTimeLimits[k]), "dsm", k).checked = k == 5;
    }
  }
  at("gmen", 1).shortcut = "F2";
  at("hlp").shortcut = "F1";
}

void Form2::wireHandlers() {
  for (int k = 0; k < kLabel2Count; ++k)
    at("Label2", k).onClick = [this](int i) { Label2_Click(i); };
  for (int k : {1, 7}) at("gmen", k).onClick = [this](int i) { gmen_Click(i); };
  for (int k = 1; k <= 5; ++k) at("opme", k).onClick = [this](int i) { opme_Click(i); };
  for (int k : {7, 8}) at("opmen", k).onClick = [this](int i) { opmen_Click(i); };
  for (int k = 0; k < 3; ++k) at("game", k).onClick = [this](int i) { game_Click(i); };
  for (int k = 0; k < 2; ++k) at("ip", k).onClick = [this](int i) { ip_Click(i); };
  for (int k = 1; k <= 10; ++k) {
    at("sd", k).onClick = [this](int i) { sd_Click(i); };
    at("Check1", k).onClick = [this](int i) { Check1_Click(i); };
  }
  at("msc").onClick = [this](int) { msc_Click(); };
  at("cht").onClick = [this](int) { cht_Click(); };
  at("cuscore").onClick = [this](int) { cuscore_Click(); };
  at("hlp").onClick = [this](int) { hlp_Click(); };
  at("abb").onClick = [this](int) { abb_Click(); };
  at("abt").onClick = [this](int) { abt_Click(); };
}

void Form2::Form_Load() {
  clock_ = game3d::MoveClock(game3d::kTimeLimit4d);
  const platform::ScreenSize screen = app().platform().screenSize();
  width = screen.width;
  height = screen.height - 500;
  at("List4").items.emplace_back();
  quecheat();
  bluestarts_ = 1;
  for (int frame = 1; frame <= kFrameCount; ++frame)
    homecolours_[frame] = at(frameName(true, frame), 1).color;
  for (int p = 1; p <= kPositionCount; ++p) at("pow", p).visible = at("Check3").value == 1;
  left = (screen.width - width) / 2;
  top = (screen.height - height) / 2 - 300;
  for (int k = 1; k < kLabel2Count; ++k) at("Label2", k).transparent = true;
  for (int p = 1; p <= kPositionCount; ++p) {
    at("pow", p).visible = false;
    forms::Control& second = at("slam", p);
    second.visible = false;
    second.style = forms::LineStyle::Solid;
  }
  for (int frame = 1; frame <= kFrameCount; ++frame)
    for (int element = 1; element <= kElementsPerFrame; ++element)
      at(frameName(true, frame), element).borderWidth = 1;
  for (int k = 0; k < kLabel2Count; ++k) {
    if ((k >= 4 && k <= 7) || k >= 41) continue;
    at("Label2", k).left = label2[k].rect.left;
    at("Label2", k).top = label2[k].rect.top;
  }
  settables();
  at("Check2").value = 0;  // "Show dots" does nothing more when it is cleared
  if (app().levelFlag == 1) opmen_Click(8);
}

bool Form2::cheatOn() const {
  return at("cht").checked;
}

bool Form2::dorvanVariant() const {
  return at("game", 2).checked;
}

}  // namespace dorvan::window4d
