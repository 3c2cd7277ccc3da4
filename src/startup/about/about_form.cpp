#include "startup/about/about_form.h"

#include <algorithm>

#include "forms/application.h"
#include "startup/help.h"

// The build passes the project's version, the one the package and its manual page carry too.
#ifndef DORVAN_VERSION
#error "DORVAN_VERSION must name the program's version"
#endif

namespace dorvan::startup {

using forms::Control;
using forms::ControlKind;

namespace {

constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kPaleYellow = 0x80FFFF;
constexpr Colour kSilver = forms::kLightGrey;
constexpr Colour kPaleGrey = 0xE0E0E0;
constexpr Colour kDivider = 0x505050;

constexpr int kPanelLeft = 2880;  // the text panel, right of the star field
constexpr int kPanelWidth = 3480;

// The maker's lines, label7(0) to label7(6), with their tops; label7(7) is the second link.
struct MakerLine {
  const char* text;
  int top;
};
constexpr MakerLine kMakerLines[] = {
    {"Dots and boxes on a cube", 1740},  {"of 27 points, and on the", 2010},
    {"corners of a tesseract.", 2280},   {"Merrin, Duomar and Dorvan.", 2640},
    {"Made by the Dorvan team.", 2910},  {"On the web:", 3360},
    {"Questions, ideas, levels:", 4080},
};

Control& addLabel(forms::Form& form, const char* name, int index, const std::string& text, int top,
                  int height, Colour color) {
  Control& c = form.add(ControlKind::Label, name, index);
  c.caption = text;
  c.forecolor = color;
  c.backcolor = kBlack;
  c.transparent = true;
  c.left = kPanelLeft;
  c.top = top;
  c.width = kPanelWidth;
  c.height = height;
  c.fontSize = 9;
  return c;
}

Control& addButton(forms::Form& form, const char* name, const char* text, int left, int width) {
  Control& c = form.add(ControlKind::CommandButton, name);
  c.caption = text;
  c.left = left;
  c.top = 5160;
  c.width = width;
  c.height = 420;
  return c;
}

Colour grey(int level, int blue) {
  return static_cast<Colour>(blue) << 16 | static_cast<Colour>(level) << 8 |
         static_cast<Colour>(level);
}

}  // namespace

AboutForm::AboutForm(forms::Application& app) : Form(app, "frmAbout") {
  caption = "About Dorvan";
  width = 6600;
  height = 6420;
  backcolor = kBlack;

  for (int i = 0; i < 2; ++i) {
    Control& title = addLabel(*this, "Label15", i, i == 0 ? "Dorvan 2004 - 2D 3D 4D" : "Kestrel",
                              360 + i * 420, 405, i == 0 ? kWhite : kPaleYellow);
    title.fontSize = 12;
    title.fontBold = i == 0;
    title.alignment = 2;
    title.visible = false;
  }
  Control& version =
      addLabel(*this, "Label1", forms::kNoIndex, "Version " DORVAN_VERSION, 1200, 285, kSilver);
  version.alignment = 2;

  for (int i = 0; i < 7; ++i) {
    Control& line =
        addLabel(*this, "label7", i, kMakerLines[i].text, kMakerLines[i].top, 285, kPaleGrey);
    line.onMouseMove = [this](int index, int, int) { label7_MouseMove(index); };
  }
  Control& home =
      addLabel(*this, "able", forms::kNoIndex, "dorvan.example.org", 3600, 285, kHomeLink);
  home.left += 240;
  home.width -= 240;
  home.onMouseMove = [this](int, int, int) { able_MouseMove(); };
  home.onMouseDown = [this](int, int, int) { able_MouseDown(); };
  Control& maker = addLabel(*this, "label7", 7, "Write to the maker", 4380, 285, kMakerLink);
  maker.left += 240;
  maker.width -= 240;
  maker.onMouseMove = [this](int index, int, int) { label7_MouseMove(index); };
  maker.onMouseDown = [this](int index, int, int) { label7_MouseDown(index); };

  Control& divider = add(ControlKind::Line, "Line1");
  divider.x1 = divider.x2 = kFieldWidth + 120;
  divider.y1 = 120;
  divider.y2 = kFieldHeight - 120;
  divider.color = kDivider;

  addButton(*this, "Command1", "View help", kPanelLeft + 120, 1560).onClick = [this](int) {
    Command1_Click();
  };
  Control& ok = addButton(*this, "Cmd_OK", "OK", kPanelLeft + 1920, 1320);
  ok.isDefault = true;
  ok.onClick = [this](int) { Cmd_OK_Click(); };

  Control& timer = add(ControlKind::Timer, "Timer1");
  timer.setTimerInterval(1);
  timer.onTimer = [this](int) { Timer1_Timer(); };
}

void AboutForm::Form_Load() {
  platform::ScreenSize screen = app().platform().screenSize();
  left = (screen.width - width) / 2;
  top = (screen.height - height) / 2;
  at("Label15", 0).visible = true;
  at("Label15", 1).visible = true;
  // Every opening scatters the stars afresh; the random sequence simply goes on. The stars start
  // at staggered ages, so they do not all light up and go out together.
  for (int i = 1; i <= kStars; ++i) {
    placeStar(i);
    starage_[i] = (i - 1) * kLifetime / kStars;
  }
}

void AboutForm::Form_Paint() {
  setFocus(at("Command1"));
}

void AboutForm::placeStar(int i) {
  RandomSource& rnd = app().random();
  starx_[i] = static_cast<int>(rnd.next() * kFieldWidth) + 1;
  stary_[i] = static_cast<int>(rnd.next() * kFieldHeight) + 1;
}

// A star brightens until kPeak, then fades; near its brightest it shows a small cross.
void AboutForm::drawStar(int i) {
  int age = starage_[i];
  int glow = age < kPeak ? age * 255 / kPeak : (kLifetime - age) * 255 / (kLifetime - kPeak);
  glow = std::clamp(glow, 0, 255);
  if (glow < 24) return;
  int x = starx_[i];
  int y = stary_[i];
  Colour color = grey(glow * 7 / 8, glow);
  line(x, y, x + 15, y, color);
  if (glow > 150) {
    int arm = 15 + (glow - 150) / 2;
    line(x - arm, y, x + arm + 15, y, color);
    line(x, y - arm, x, y + arm + 15, color);
  }
}

void AboutForm::Timer1_Timer() {
  cls();
  for (int i = 1; i <= kStars; ++i) {
    if (++starage_[i] >= kLifetime) {
      placeStar(i);
      starage_[i] = 0;
    }
    drawStar(i);
  }
}

void AboutForm::Command1_Click() {
  startHelp(app(), false);
}

void AboutForm::Cmd_OK_Click() {
  app().unload(*this);
}

void AboutForm::able_MouseMove() {
  at("able").forecolor = kHomeLinkHover;
}

void AboutForm::able_MouseDown() {
  app().platform().openWebPage(kHomePage);
}

void AboutForm::label7_MouseMove(int index) {
  at("able").forecolor = kHomeLink;
  at("label7", 7).forecolor = index == 7 ? kMakerLinkHover : kMakerLink;
}

void AboutForm::label7_MouseDown(int index) {
  if (index == 7) app().platform().openWebPage(kMakerPage);
}

std::optional<forms::TableView> AboutForm::table(std::string_view name) const {
  const std::array<int, kStars + 2>* values = nullptr;
  std::string folded = forms::foldName(name);
  if (folded == "starx") values = &starx_;
  if (folded == "stary") values = &stary_;
  if (folded == "starage") values = &starage_;
  if (!values) return std::nullopt;
  forms::TableView view;
  view.rows.emplace_back((*values).begin() + 1, (*values).begin() + 1 + kStars);
  return view;
}

void openAbout(forms::Application& app, const std::string& caption) {
  for (forms::Form* form : app.openForms()) {
    if (form->name() == "frmAbout") {
      form->caption = caption;
      return;
    }
  }
  forms::Form* about = app.loadHidden("frmAbout");
  if (!about) return;
  about->caption = caption;
  app.show(*about);
}

}  // namespace dorvan::startup
