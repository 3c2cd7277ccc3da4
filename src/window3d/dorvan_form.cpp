#include "window3d/dorvan_form.h"

#include <algorithm>
#include <charconv>

#include "forms/application.h"
#include "game3d/lattice_tables.h"
#include "game3d/texts.h"
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
  c.borderWidth = 1;
}

}  // namespace

DorvanForm::DorvanForm(forms::Application& app) : Form(app, "dorvan") {
  caption = std::string(texts::kCaption);
  width = kNormalWidth;
  height = kNormalHeight;
  backcolor = 0xC0C0C0;
  addBoard();
  addControls();
  addMenus();
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
  for (const ControlSpec& spec : kControls) {
    forms::Control& c = add(spec.kind, std::string(spec.name), spec.index);
    c.caption = spec.caption;
    c.left = spec.left;
    c.top = spec.top;
    c.width = spec.width;
    c.height = spec.height;
    c.container = spec.container;
    c.visible = spec.visible;
    c.forecolor = spec.forecolor;
    c.backcolor = spec.backcolor;
    c.transparent = spec.transparent;
    c.fontSize = spec.fontSize;
    c.fontBold = spec.bold;
    c.alignment = spec.alignment;
  }
  at("Label36").caption = game3d::texts::variantCaption(game3d::Variant::kMerrin);
  at("Picture6").left = at("Picture5").width;  // the clock's bar starts full
  forms::Control& timer = add(forms::ControlKind::Timer, "Timer1");
  timer.interval = game3d::kTickMs;
  timer.enabled = false;
}

void DorvanForm::addMenus() {
  for (const MenuSpec& spec : kMenus) {
    forms::Control& item = addMenu(std::string(spec.name), std::string(spec.caption),
                                   std::string(spec.parent), spec.index);
    item.checked = spec.checked;
  }
}

void DorvanForm::wireHandlers() {
  for (int k = 0; k < kTargetCount; ++k)
    at("Label22", k).onClick = [this](int i) { Label22_Click(i); };
  for (int k = 0; k < 3; ++k) at("game", k).onClick = [this](int i) { game_Click(i); };
  for (int k = 0; k < 2; ++k) at("ip", k).onClick = [this](int i) { ip_Click(i); };
  at("new").onClick = [this](int) { new_Click(); };
  at("play").onClick = [this](int) { play_Click(); };
  at("quit").onClick = [this](int) { quit_Click(); };
  at("grid").onClick = [this](int) { grid_Click(); };
  at("cuscore").onClick = [this](int) { cuscore_Click(); };
  at("high").onClick = [this](int) { high_Click(); };
  at("Command6").onClick = [this](int) { command6_Click(); };
  at("Command2").onClick = [this](int) { Command2_Click(); };
  at("Command1").onClick = [this](int) { Command1_Click(); };
  at("Timer1").onTimer = [this](int) { Timer1_Timer(); };
  wireViewsAndOptions();
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
  for (int k = 0; k < kTargetCount; ++k) {
    forms::Control& target = at("Label22", k);
    target.transparent = true;
    target.left = kTargets[k].left;
    target.top = kTargets[k].top;
  }
  for (int k = 1; k <= kSideSegments; ++k) {
    at("aN", k).visible = false;
    at("bN", k).visible = false;
  }
  // The cumulative record opens with one empty entry; the round numbers count from it.
  at("List4").items.assign(1, "");
}

void DorvanForm::viewrefresh() {
  // The shells paint the window from its controls after every change; nothing is cached here.
}

int DorvanForm::counter(std::string_view label, int index) const {
  const std::string& text = at(label, index).caption;
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

void DorvanForm::addToCounter(std::string_view label, int amount, int index) {
  at(label, index).caption = std::to_string(counter(label, index) + amount);
}

game3d::Variant DorvanForm::checkedVariant() const {
  if (at("game", 2).checked) return game3d::Variant::kDorvan;
  if (at("game", 1).checked) return game3d::Variant::kDuomar;
  return game3d::Variant::kMerrin;
}

bool DorvanForm::onePlayer() const {
  return at("ip", 0).checked;
}

bool DorvanForm::timeLimitInForce() const {
  return !at("sd", 1).checked;
}

std::optional<forms::TableView> DorvanForm::table(std::string_view name) const {
  auto rowsOf = [](const auto& table) { return forms::TableView::rows2d(table); };
  auto rowOf = [](const auto& values) { return forms::TableView::row(values); };
  if (name == "lineowner") return rowOf(position_.lineowner);
  if (name == "sqmarks") return rowsOf(position_.sqmarks);
  if (name == "cubemarks") return rowsOf(position_.cubemarks);
  if (name == "claimed") return rowOf(position_.claimed);
  if (name == "sqlines") return rowsOf(game3d::sqlines);
  if (name == "cubelines") return rowsOf(game3d::cubelines);
  if (name == "redtomove") return forms::TableView::scalar(redtomove_);
  if (name == "bluestarts") return forms::TableView::scalar(bluestarts_);
  if (name == "gamevariant") return forms::TableView::scalar(gamevariant_);
  if (name == "mover") return forms::TableView::scalar(mover_);
  // The last box shown as completed: its lines and the colours they had before the highlight.
  if (name == "boxlines") return rowOf(boxlines_);
  if (name == "savedcolors") return rowOf(savedcolors_);
  if (name == "timeleft") return forms::TableView::scalar(clock_.timeleft());
  if (name == "timelimit") return forms::TableView::scalar(clock_.timelimit());
  return std::nullopt;
}

std::vector<std::string> DorvanForm::invariantViolations() const {
  std::vector<std::string> problems = Form::invariantViolations();
  // The messages are made only for what is wrong: the randomised run asks after every step.
  auto fail = [&](std::string what) { problems.push_back(std::move(what)); };
  using std::to_string;

  const int free = game3d::movesLeft(position_);
  if (at("Label34").caption != to_string(free))
    fail("Label34 says " + at("Label34").caption + " moves left, " + to_string(free) +
         " lines are free");
  const auto claimed = std::count(position_.claimed.begin() + 1, position_.claimed.end(), 1);
  const int scores = counter("Label5") + counter("Label6");
  if (scores != claimed)
    fail("the scores add up to " + to_string(scores) + ", " + to_string(claimed) +
         " boxes are claimed");
  // One box is worth 1000; four boxes at once 10000, the best rate there is.
  const int points = counter("Label29") + counter("Label30");
  if (points % 1000 != 0 || points < 1000 * scores || points > 2500 * scores)
    fail("points " + to_string(points) + " do not fit a score of " + to_string(scores));
  if ((redtomove_ != 0 && redtomove_ != 1) || (bluestarts_ != 0 && bluestarts_ != 1))
    fail("redtomove " + to_string(redtomove_) + ", bluestarts " + to_string(bluestarts_));
  if (at("Label3").visible != (redtomove_ == 1) || at("Label4").visible != (redtomove_ == 0))
    fail("the turn signs do not show the side to move");
  if (!at("game", gamevariant_).checked ||
      at("game", 0).checked + at("game", 1).checked + at("game", 2).checked != 1)
    fail("the Games menu does not check the variant in play");
  if (at("ip", 0).checked == at("ip", 1).checked) fail("not exactly one player mode is checked");

  for (int line = 1; line <= game3d::kLineCount; ++line) {
    const int owner = position_.lineowner[line];
    const forms::Control& main = at("LN", line);
    const forms::Control& reverse = at("bN", line);
    const bool drawn = owner == game3d::kRed || owner == game3d::kBlue;
    if (owner != 0 && !drawn) fail("line " + to_string(line) + " has owner " + to_string(owner));
    if ((main.borderWidth == 5) != drawn)
      fail("line " + to_string(line) + " is drawn with width " + to_string(main.borderWidth) +
           " and owner " + to_string(owner));
    if (drawn && main.color != game3d::lineColour(static_cast<game3d::Side>(owner)))
      fail("line " + to_string(line) + " is not in its owner's colour");
    if (reverse.borderWidth != main.borderWidth || (drawn && reverse.color != main.color))
      fail("line " + to_string(line) + " differs between the main and the reverse view");
  }
  for (int square = 1; square <= game3d::kSquareCount; ++square)
    for (int side = 1; side <= game3d::kSquareSides; ++side) {
      const int mark = position_.sqmarks[square][side];
      if (mark != 0 && mark != position_.lineowner[game3d::sqlines[square][side]])
        fail("square " + to_string(square) + " records a side its line's owner did not draw");
    }
  for (int cube = 1; cube <= game3d::kCubeCount; ++cube)
    for (int edge = 1; edge <= game3d::kCubeEdges; ++edge) {
      const int mark = position_.cubemarks[cube][edge];
      if (mark != 0 && mark != position_.lineowner[game3d::cubelines[cube][edge]])
        fail("cube " + to_string(cube) + " records an edge its line's owner did not draw");
    }
  addViewViolations(problems);
  return problems;
}

}  // namespace dorvan::window3d
