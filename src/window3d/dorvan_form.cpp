// The 3D window's construction and wiring, what loading sets up, the driver's tables and the
// rules the window's state keeps.
#include "window3d/dorvan_form.h"

#include <algorithm>

#include "forms/application.h"
#include "forms/control_spec.h"
#include "game3d/lattice_tables.h"
#include "rules/texts.h"
#include "window3d/board_geometry.h"
#include "window3d/window_layout.h"
#include "window3d/window_texts.h"

namespace dorvan::window3d {

namespace {

constexpr int kNormalWidth = 8595;
constexpr int kNormalHeight = 7485;
// Where the click targets wait, outside the window, until the window has loaded.
constexpr int kTargetsParkedLeft = 9600;
constexpr int kTargetsParkedTop = 7800;

void place(forms::Control& c, const Segment& s) {
  c.x1 = s.x1;
  c.y1 = s.y1;
  c.x2 = s.x2;
  c.y2 = s.y2;
  c.color = s.colour;
  c.borderWidth = kFreeWidth;
}

}  // namespace

DorvanForm::Controls::Controls(Form& f)
    : GameControls(f),
      mainView(f, "LN", 0, kMainSegments - 1),
      reverseView(f, "bN", 1, kSideSegments),
      inverseView(f, "aN", 1, kSideSegments),
      targets(f, "Label22", 0, kTargetCount - 1),
      movesLeft(f.at("Label34")),
      movesLeftCaption(f.at("Label35")),
      lastFrom(f.at("Label8")),
      lastTo(f.at("Label10")),
      lastName(f.at("Text2")),
      inverseBox(f.at("Check1")),
      reverseBox(f.at("Check2")),
      invertInPlace(f.at("Command3")),
      restingFocus(f.at("Option1")),
      entry(f.at("Text1")),
      enter(f.at("Command6")),
      entryAll{&entry, &enter, &f.at("Label38"), &f.at("Label39"), &f.at("Command2")},
      clockFigure(f.at("Label11")),
      sidePanel(f.at("Picture3")),
      sidePanelTitle(f.at("Label37")),
      moveList(f.at("List1")),
      highScores(f.at("List2")),
      programsMenu(f.at("opt")),
      gamesMenu(f.at("xq")),
      optionsMenu(f.at("sdz")),
      cumulativeItem(f.at("cuscore")),
      movesItem(f.at("mvs")),
      gridItem(f.at("grid")),
      cheatItem(f.at("ch")),
      soundItem(f.at("snd")) {
  for (const GridMark& mark : kGrid) {
    gridMarks.push_back(&f.at("Label" + std::to_string(mark.label)));
    gridMarks.push_back(&f.at("Line" + std::to_string(mark.leader)));
  }
}

DorvanForm::DorvanForm(forms::Application& app) : Form(app, "dorvan") {
  caption = std::string(texts::kCaption);
  width = kNormalWidth;
  height = kNormalHeight;
  backcolor = forms::kLightGrey;
  addBoard();
  addControls();
  forms::addMenus(*this, kMenusThroughOptions);
  forms::addMenus(*this, kSuddenDeathMenu);
  forms::addMenus(*this, kMenusFromDisplay);
  at("hnt").shortcut = "Ctrl+H";
  ui_.emplace(*this);
  wireHandlers();
}

void DorvanForm::addBoard() {
  // The segments beside the lines come first, so that a drawn line, thick in its mover's
  // colour, lies on top of the thin coloured edges that run alongside it.
  auto addViews = [&](bool movesLines) {
    for (int k = 0; k < kMainSegments; ++k)
      if (game3d::isLine(k) == movesLines)
        place(add(forms::ControlKind::Line, "LN", k), kMainView[k]);
    for (int k = 1; k <= kSideSegments; ++k)
      if (game3d::isLine(k) == movesLines) {
        place(add(forms::ControlKind::Line, "bN", k), kReverseView[k]);
        place(add(forms::ControlKind::Line, "aN", k), kInverseView[k]);
      }
  };
  addViews(false);
  addViews(true);
  for (const GridMark& mark : kGrid) {
    forms::Control& label = add(forms::ControlKind::Label, "Label" + std::to_string(mark.label));
    label.caption = mark.text;
    label.left = mark.place[0];
    label.top = mark.place[1];
    label.width = mark.place[2];
    label.height = mark.place[3];
    label.transparent = true;
    label.visible = false;
    forms::Control& leader = add(forms::ControlKind::Line, "Line" + std::to_string(mark.leader));
    place(leader, {mark.ends[0], mark.ends[1], mark.ends[2], mark.ends[3], kBlack});
    leader.visible = false;
  }
  // The targets come last so that they lie on top of everything they cover.
  for (int k = 0; k < kTargetCount; ++k) {
    forms::Control& target = add(forms::ControlKind::Label, "Label22", k);
    target.left = kTargetsParkedLeft;
    target.top = kTargetsParkedTop;
    target.width = kTargets[k].width;
    target.height = kTargets[k].height;
  }
}

void DorvanForm::addControls() {
  forms::addControls(*this, kControls);
  at("Label36").caption = rules::texts::variantCaption(rules::Variant::kMerrin);
  at("Picture6").left = at("Picture5").width;  // the clock's bar starts full
  forms::Control& timer = add(forms::ControlKind::Timer, "Timer1");
  timer.interval = rules::kTickMs;
  timer.enabled = false;
}

void DorvanForm::wireHandlers() {
  Controls& ui = *ui_;
  for (forms::Control* target : ui.targets) target->onClick = [this](int i) { Label22_Click(i); };
  for (forms::Control* item : ui.variants) item->onClick = [this](int i) { game_Click(i); };
  for (forms::Control* item : ui.players) item->onClick = [this](int i) { ip_Click(i); };
  for (forms::Control* item : ui.opponents) item->onClick = [this](int i) { opp_Click(i); };
  at("hnt").onClick = [this](int) { hnt_Click(); };
  at("new").onClick = [this](int) { new_Click(); };
  at("play").onClick = [this](int) { play_Click(); };
  at("quit").onClick = [this](int) { quit_Click(); };
  ui.gridItem.onClick = [this](int) { grid_Click(); };
  ui.cumulativeItem.onClick = [this](int) { cuscore_Click(); };
  at("high").onClick = [this](int) { high_Click(); };
  ui.enter.onClick = [this](int) { command6_Click(); };
  at("Command2").onClick = [this](int) { Command2_Click(); };
  at("Command1").onClick = [this](int) { Command1_Click(); };
  ui.clockTimer.onTimer = [this](int) { Timer1_Timer(); };
  ui.inverseBox.onClick = [this](int) { Check1_Click(); };
  ui.reverseBox.onClick = [this](int) { Check2_Click(); };
  ui.invertInPlace.onClick = [this](int) { Command3_Click(); };
  ui.movesItem.onClick = [this](int) { mvs_Click(); };
  ui.cheatItem.onClick = [this](int) { ch_Click(); };
  ui.soundItem.onClick = [this](int) { snd_Click(); };
  for (int k = 0; k < static_cast<int>(texts::kLevels.size()); ++k)
    at("cbm", k).onClick = [this](int i) { cbm_Click(i); };
  at("add").onClick = [this](int) { add_Click(); };
  at("rulen").onClick = [this](int) { rulen_Click(); };
  at("ab").onClick = [this](int) { ab_Click(); };
  at("abb").onClick = [this](int) { abb_Click(); };
}

void DorvanForm::restoreNormalSize() {
  width = kNormalWidth;
  height = kNormalHeight;
  centreOnScreen();
}

void DorvanForm::centreOnScreen() {
  const platform::ScreenSize screen = app().platform().screenSize();
  left = static_cast<int>(screen.width / 2.0 - width / 2.0);
  top = static_cast<int>(screen.height / 2.0 - height / 2.0);
}

void DorvanForm::Form_Load() {
  restoreNormalSize();
  // The tables of the lattice are compiled in; what loading still does is put the click targets
  // over the drawing and hide the two extra views until they are asked for.
  Controls& ui = *ui_;
  for (int k = 0; k < kTargetCount; ++k) {
    forms::Control& target = ui.targets[k];
    target.transparent = true;
    target.left = kTargets[k].left;
    target.top = kTargets[k].top;
  }
  for (int k = 1; k <= kSideSegments; ++k) {
    ui.inverseView[k].visible = false;
    ui.reverseView[k].visible = false;
  }
  // The cumulative record opens with one empty entry; the round numbers count from it.
  ui.rounds.items.assign(1, "");
}

bool DorvanForm::onePlayer() const {
  return ui_->players[0].checked;
}

bool DorvanForm::timeLimitInForce() const {
  return !ui_->timeLimits[1].checked;
}

std::optional<forms::TableView> DorvanForm::table(std::string_view name) const {
  auto rowsOf = [](const auto& table) { return forms::TableView::rows2d(table); };
  auto rowOf = [](const auto& values) { return forms::TableView::row(values); };
  const rules::Position& position = session_.game.position;
  auto marks = [&](rules::BoxKind kind) {
    const rules::BoxTable& boxes = game3d::kBoard.boxes(kind);
    return forms::TableView::rows2d(rules::marksTable(game3d::kBoard, position, kind), boxes.count,
                                    boxes.sides);
  };
  if (name == "lineowner")
    return forms::TableView::row(rules::ownerTable(game3d::kBoard, position), game3d::kLineCount);
  if (name == "sqmarks") return marks(rules::BoxKind::kSquares);
  if (name == "cubemarks") return marks(rules::BoxKind::kSolids);
  if (name == "claimed")
    return forms::TableView::row(rules::claimedTable(position), game3d::kSquareCount);
  if (name == "sqlines") return rowsOf(game3d::sqlines);
  if (name == "cubelines") return rowsOf(game3d::cubelines);
  if (name == "redtomove") return forms::TableView::scalar(session_.game.redtomove);
  if (name == "bluestarts") return forms::TableView::scalar(session_.game.bluestarts);
  if (name == "gamevariant")
    return forms::TableView::scalar(rules::variantIndex(session_.game.variant));
  if (name == "mover") return forms::TableView::scalar(session_.game.mover);
  // The last box shown as completed: its lines and the colours they had before the highlight.
  if (name == "boxlines") return rowOf(boxlines_);
  if (name == "savedcolors") return rowOf(savedcolors_);
  if (name == "timeleft") return forms::TableView::scalar(session_.clock.timeleft());
  if (name == "timelimit") return forms::TableView::scalar(session_.clock.timelimit());
  return std::nullopt;
}

}  // namespace dorvan::window3d
