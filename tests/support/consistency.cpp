#include "support/consistency.h"

#include <algorithm>
#include <map>
#include <set>

#include "game3d/board.h"
#include "game4d/board.h"
#include "game4d/colour_lookup.h"
#include "game4d/positions.h"
#include "rules/colours.h"
#include "startup/about/about_form.h"
#include "view4d/orientation.h"
#include "window3d/board_geometry.h"
#include "window3d/dorvan_form.h"
#include "window4d/diagram.h"
#include "window4d/form2.h"
#include "window4d/form2_controls.h"

namespace dorvan::support {

namespace {

using forms::Control;
using forms::ControlKind;
using std::to_string;

class Problems {
 public:
  explicit Problems(const forms::Form& form) : form_(form) {}
  void check(bool ok, const std::string& what) {
    if (!ok) list_.push_back(what);
  }
  const Control& at(std::string_view name, int index = forms::kNoIndex) const {
    return form_.at(name, index);
  }
  std::vector<std::string> take() { return std::move(list_); }

 private:
  const forms::Form& form_;
  std::vector<std::string> list_;
};

// Names resolve, values and sizes are in range, containers and menus exist, one option a group.
void controlModel(const forms::Form& form, Problems& problems) {
  std::map<std::string, int> selectedOptions;
  for (const Control& c : form.controls()) {
    const std::string name = c.name + "(" + to_string(c.index) + ") ";
    problems.check(form.find(c.name, c.index) == &c, name + "is not found by its name");
    const bool twoValued = c.kind == ControlKind::CheckBox || c.kind == ControlKind::OptionButton;
    problems.check(!twoValued || c.value == 0 || c.value == 1,
                   name + "has value " + to_string(c.value));
    if (c.kind == ControlKind::OptionButton && c.value == 1) ++selectedOptions[c.container];
    problems.check(c.width >= 0 && c.height >= 0, name + "has a negative size");
    problems.check(c.container.empty() || form.find(c.container),
                   name + "lies in a missing container");
    problems.check(c.parentMenu.empty() || form.find(c.parentMenu),
                   name + "hangs under a missing menu");
  }
  for (const auto& [container, count] : selectedOptions)
    problems.check(count <= 1, "more than one option selected in '" + container + "'");
}

// The labels, the turn signs and the status line show the game.
void scoreLabels(const rules::Game& game, Problems& problems) {
  problems.check(problems.at("Label5").caption == to_string(game.blue.score) &&
                     problems.at("Label6").caption == to_string(game.red.score) &&
                     problems.at("Label29").caption == to_string(game.blue.points) &&
                     problems.at("Label30").caption == to_string(game.red.points),
                 "the score labels do not show the scores");
  problems.check(problems.at("Label3").visible == (game.redtomove == 1) &&
                     problems.at("Label4").visible == (game.redtomove == 0),
                 "the turn signs do not show the side to move");
  problems.check(game.redtomove == 0 || game.redtomove == 1,
                 "redtomove " + to_string(game.redtomove));
  problems.check(game.bluestarts == 0 || game.bluestarts == 1,
                 "bluestarts " + to_string(game.bluestarts));
  int checked = 0;
  for (int k = 0; k <= 2; ++k) checked += problems.at("game", k).checked;
  problems.check(checked == 1 && problems.at("game", rules::variantIndex(game.variant)).checked,
                 "the Games menu does not check the variant in play");
  problems.check(problems.at("ip", 0).checked != problems.at("ip", 1).checked,
                 "not exactly one player mode is checked");
}

void lattice(const window3d::DorvanForm& form, Problems& problems) {
  using window3d::kDrawnWidth;
  const rules::Game& game = form.session().game;
  const rules::Position& position = game.position;
  scoreLabels(game, problems);

  const std::string left = problems.at("Label34").caption;
  const int free = rules::freeLines(game3d::kBoard, position);
  problems.check(left == to_string(free),
                 "Label34 says " + left + " moves left, " + to_string(free) + " lines are free");
  int claimed = 0;
  for (int box = 1; box <= game3d::kSquareCount; ++box) claimed += position.claimed(box);
  const int scores = game.blue.score + game.red.score;
  problems.check(scores == claimed, "the scores add up to " + to_string(scores) + ", " +
                                        to_string(claimed) + " boxes are claimed");
  // One box is worth 1000; four boxes at once 10000, the best rate there is.
  const int points = game.blue.points + game.red.points;
  problems.check(points % 1000 == 0 && points >= 1000 * scores && points <= 2500 * scores,
                 "points " + to_string(points) + " do not fit a score of " + to_string(scores));
  // The inverse view paints a line in its drawer's colour, which the status line shows too.
  problems.check(problems.at("Label33").forecolor == rules::statusColour(game.toMove()),
                 "the status line is not in the colour of the side to move");

  for (int line = 1; line <= game3d::kLineCount; ++line) {
    const rules::Side owner = position.owner(line);
    const Control& main = problems.at("LN", line);
    const Control& reverse = problems.at("bN", line);
    const bool drawn = owner != rules::kNobody;
    problems.check((main.borderWidth == kDrawnWidth) == drawn,
                   "line " + to_string(line) + " is drawn with width " +
                       to_string(main.borderWidth) + " and owner " + to_string(owner));
    problems.check(!drawn || main.color == rules::lineColour(owner),
                   "line " + to_string(line) + " is not in its owner's colour");
    problems.check(
        reverse.borderWidth == main.borderWidth && (!drawn || reverse.color == main.color),
        "line " + to_string(line) + " differs between the main and the reverse view");
  }

  // What is shown that its switch does not ask for, or hidden that it does.
  auto shownWith = [&](const Control& c, bool switchedOn) {
    problems.check(c.visible == switchedOn,
                   c.name + (c.isArrayElement() ? to_string(c.index) : "") +
                       (switchedOn ? " is hidden" : " is shown") + " against its switch");
  };
  const bool inverse = problems.at("Check1").value == 1;
  const bool reverse = problems.at("Check2").value == 1;
  for (int k = 1; k <= window3d::kSideSegments; ++k) {
    shownWith(problems.at("aN", k), inverse);
    shownWith(problems.at("bN", k), reverse);
  }
  shownWith(problems.at("Command3"), inverse);
  const bool cheat = problems.at("ch").checked;
  shownWith(problems.at("Label34"), cheat);
  shownWith(problems.at("Label35"), cheat);
}

const Control& drawingLine(const window4d::Form2& form, game4d::DrawingLine line) {
  return form.at(window4d::frameName(true, line.frame), line.element);
}

const Control& diagramElement(const window4d::Form2& form, game4d::DiagramElement e) {
  switch (e.array) {
    case game4d::DiagramArray::a:
      return form.at("a" + to_string(e.number), e.index);
    case game4d::DiagramArray::b:
      return form.at("b" + to_string(e.number), e.index);
    default:
      return form.at("Line" + to_string(e.number), e.index);
  }
}

void tesseract(const window4d::Form2& form, Problems& problems) {
  using namespace game4d;
  const rules::Game& game = form.session().game;
  scoreLabels(game, problems);
  auto onlyOne = [&](const char* menu, std::initializer_list<int> items) {
    int checked = 0;
    for (int k : items) checked += problems.at(menu, k).checked;
    problems.check(checked == 1, std::string("not exactly one ") + menu + " entry is checked");
  };
  onlyOne("opmen", {7, 8});
  problems.check(!problems.at("game", 1).checked || problems.at("ip", 1).checked,
                 "Duomar is chosen for one player");

  // Each frame shows one colour in all its lines, in both views.
  for (int frame = 1; frame <= kFrameCount; ++frame) {
    const std::string name = to_string(frame);
    const Colour colour = problems.at("L" + name, 1).color;
    for (int element = 1; element <= kElementsPerFrame; ++element)
      problems.check(problems.at("L" + name, element).color == colour &&
                         problems.at("m" + name, element).color == colour,
                     "frame " + name + " mixes colours at element " + to_string(element));
  }

  // That colour is the cell the turn counters give the frame, and the counters describe one turn
  // at most; then, as the turning tests show, every line is shown at exactly one position.
  const std::vector<long> turns = form.table("turns")->rows.at(0);
  const std::vector<long> homeColours = form.table("homecolours")->rows.at(0);
  view4d::Orientation replayed = view4d::kHome;
  int away = 0;
  for (int cycle = 1; cycle <= view4d::kCycleCount; ++cycle) {
    const long count = turns.at(cycle - 1);
    problems.check(count >= 0 && count <= 3,
                   "turn counter " + to_string(cycle) + " is out of range");
    away += count != 0;
    for (long k = 0; k < count; ++k)
      replayed = view4d::turned(replayed, {cycle, view4d::Direction::forward});
  }
  problems.check(away <= 1, "more than one cycle is turned away from home");
  for (int frame = 1; frame <= kFrameCount; ++frame)
    problems.check(problems.at("L" + to_string(frame), 1).color ==
                       static_cast<Colour>(homeColours.at(replayed.shows[frame] - 1)),
                   "frame " + to_string(frame) + " does not show the colour its turn gives it");

  // A position is drawn or free as a whole, and a drawn one shows an owned line. Thin lines
  // ("&Minimize fatness of lines") hide drawn ones, so fewer may be drawn than are owned.
  int drawn = 0;
  for (int position = 1; position <= kPositionCount; ++position) {
    std::set<int> widths;
    std::array<Colour, 3> shown{};
    const auto lines = drawinglines(position);
    for (std::size_t j = 0; j < 3; ++j) {
      widths.insert(drawingLine(form, lines[j]).borderWidth);
      shown[j] = drawingLine(form, lines[j]).color;
    }
    const int width = *widths.begin();
    problems.check(widths.size() == 1 && (width == 1 || width == 4),
                   "position " + to_string(position) + " is drawn in part");
    if (width != 4) continue;
    ++drawn;
    const int line = lineFromColours(shown[0], shown[1], shown[2]);
    problems.check(line != 0 && !game.position.isFree(line),
                   "position " + to_string(position) + " is drawn but shows no owned line");
  }
  const int owned = kLineCount - rules::freeLines(kBoard, game.position);
  problems.check(drawn <= owned, to_string(drawn) + " positions are drawn for " + to_string(owned) +
                                     " owned lines");
  for (int position = 1; position <= kPositionCount; ++position) {
    for (const char* highlights : {"pow", "slam"}) {
      const Control& c = problems.at(highlights, position);
      const std::string name = c.name + "(" + to_string(position) + ")";
      problems.check(!c.visible || owned > 0 || form.hinted(position),
                     name + " is shown before any line is drawn");
      problems.check(c.color == rules::kRedLineColour || c.color == rules::kBlueLineColour ||
                         c.color == rules::kHighlightColour,
                     name + " has a colour of no side");
    }
  }

  // Scores and points follow the units credited.
  int credited = 0;
  for (int unit = 1; unit <= kSquareCount; ++unit) credited += game.position.claimed(unit);
  problems.check(game.red.score + game.blue.score == credited,
                 "the scores do not add up to the units credited");
  problems.check(
      game.red.points >= 1000 * game.red.score && game.blue.points >= 1000 * game.blue.score,
      "points fall short of the units won");
  // The menus that fix the game are open exactly before its first move.
  const bool untouched = owned == 0 && game.bluestarts == 1;
  for (const char* menu : {"opmef", "gamz", "opmz", "op"})
    problems.check(problems.at(menu).enabled == untouched,
                   "the game menus are not enabled exactly between games");
  problems.check(!form.moving(), "a command is still waiting for a move to end");

  // Outside a flash, the diagram shows its own colours.
  for (window4d::DiagramElement element : window4d::diagramLineElements)
    problems.check(diagramElement(form, element).color == window4d::diagramColour(element),
                   "a diagram element of position " +
                       to_string(window4d::positionOfDiagramElement(element)) +
                       " is not in its own colour");
}

// Every star lies in the field and is younger than its lifetime.
void stars(const forms::Form& form, Problems& problems) {
  const std::vector<long> xs = form.table("starx")->rows.at(0);
  const std::vector<long> ys = form.table("stary")->rows.at(0);
  const std::vector<long> ages = form.table("starage")->rows.at(0);
  for (std::size_t i = 0; i < xs.size(); ++i) {
    const std::string star = "star " + to_string(i + 1);
    problems.check(xs[i] >= 1 && xs[i] <= startup::AboutForm::kFieldWidth && ys[i] >= 1 &&
                       ys[i] <= startup::AboutForm::kFieldHeight,
                   star + " lies outside the field");
    problems.check(ages[i] >= 0 && ages[i] < startup::AboutForm::kLifetime,
                   star + " has age " + to_string(ages[i]));
  }
}

}  // namespace

std::vector<std::string> consistencyProblems(const forms::Form& form) {
  Problems problems(form);
  controlModel(form, problems);
  if (const auto* window = dynamic_cast<const window3d::DorvanForm*>(&form))
    lattice(*window, problems);
  if (const auto* window = dynamic_cast<const window4d::Form2*>(&form))
    tesseract(*window, problems);
  if (form.name() == "frmAbout") stars(form, problems);
  return problems.take();
}

}  // namespace dorvan::support
