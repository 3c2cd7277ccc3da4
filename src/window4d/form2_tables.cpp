// What the tesseract window shows the driver of its state, and the rules that state keeps.

#include <algorithm>
#include <set>

#include "game4d/colour_lookup.h"
#include "rules/colours.h"
#include "rules/position.h"
#include "view4d/orientation.h"
#include "window4d/diagram.h"
#include "window4d/form2.h"

namespace dorvan::window4d {

std::optional<forms::TableView> Form2::table(std::string_view name) const {
  const rules::Position& position = session_.game.position;
  if (name == "lineowner")
    return forms::TableView::row(rules::ownerTable(kBoard, position), kLineCount);
  if (name == "sqmarks")
    return forms::TableView::rows2d(rules::marksTable(kBoard, position, rules::BoxKind::kSquares),
                                    kSquareCount, kLinesPerSquare);
  if (name == "cellmarks")
    return forms::TableView::rows2d(rules::marksTable(kBoard, position, rules::BoxKind::kSolids),
                                    kCellCount, kLinesPerCell);
  if (name == "unitdone") return forms::TableView::row(rules::claimedTable(position), kSquareCount);
  if (name == "sidecount") return forms::TableView::row(session_.game.sidecount, kSquareCount);
  if (name == "sqlines") return forms::TableView::rows2d(sqlines, kSquareCount, kLinesPerSquare);
  if (name == "celllines") return forms::TableView::rows2d(celllines, kCellCount, kLinesPerCell);
  if (name == "flashlist") return forms::TableView::row(flashlist, kFlashSlots);
  if (name == "flashcolours") return forms::TableView::row(flashcolours, kFlashSlots);
  if (name == "homecolours") return forms::TableView::row(homecolours_, kFrameCount);
  if (name == "mover") return forms::TableView::scalar(session_.game.mover);
  if (name == "redtomove") return forms::TableView::scalar(session_.game.redtomove);
  if (name == "bluestarts") return forms::TableView::scalar(session_.game.bluestarts);
  if (name == "redpoints") return forms::TableView::scalar(session_.game.red.points);
  if (name == "bluepoints") return forms::TableView::scalar(session_.game.blue.points);
  if (name == "locatedpos") return forms::TableView::scalar(locatedpos_);
  if (name == "turns") return forms::TableView::row(orientation_.turns);
  if (name == "timelimit") return forms::TableView::scalar(session_.clock.timelimit());
  if (name == "timeleft") return forms::TableView::scalar(session_.clock.timeleft());
  return std::nullopt;
}

std::vector<std::string> Form2::invariantViolations() const {
  std::vector<std::string> problems = Form::invariantViolations();
  auto check = [&](bool ok, const std::string& what) {
    if (!ok) problems.push_back(what);
  };
  auto onlyOne = [&](const char* menu, std::initializer_list<int> items) {
    int checked = 0;
    for (int k : items) checked += at(menu, k).checked;
    check(checked == 1, std::string("not exactly one ") + menu + " entry is checked");
  };
  onlyOne("game", {0, 1, 2});
  onlyOne("ip", {0, 1});
  onlyOne("opmen", {7, 8});
  check(!at("game", 1).checked || at("ip", 1).checked, "Duomar is chosen for one player");

  // Each frame shows one cell in all its lines, in both views, and no two frames the same cell.
  std::set<Colour> frameColours;
  for (int frame = 1; frame <= kFrameCount; ++frame) {
    const std::string name = std::to_string(frame);
    const Colour colour = at("L" + name, 1).color;
    check(cellOfColour(colour) != 0, "L" + name + " is drawn in a colour of no cell");
    frameColours.insert(colour);
    for (int element = 1; element <= kElementsPerFrame; ++element) {
      check(at("L" + name, element).color == colour && at("m" + name, element).color == colour,
            "frame " + name + " mixes colours at element " + std::to_string(element));
    }
  }
  check(frameColours.size() == kFrameCount, "two frames show the same cell");

  // The colours are those the turn counters give, and the counters describe one turn at most.
  view4d::Orientation replayed = view4d::kHome;
  int away = 0;
  for (int cycle = 1; cycle <= view4d::kCycleCount; ++cycle) {
    const int turns = orientation_.turns[cycle];
    check(turns >= 0 && turns <= 3, "turn counter " + std::to_string(cycle) + " is out of range");
    away += turns != 0;
    for (int k = 0; k < turns; ++k)
      replayed = view4d::turned(replayed, {cycle, view4d::Direction::forward});
  }
  check(away <= 1, "more than one cycle is turned away from home");
  check(replayed.shows == orientation_.shows, "the frames do not follow the turn counters");
  for (int frame = 1; frame <= kFrameCount; ++frame)
    check(ui_->L[frame][1].color == homecolours_[orientation_.shows[frame]],
          "frame " + std::to_string(frame) + " does not show the colour its turn gives it");
  for (int line = 1; line <= kLineCount; ++line)
    check(positionsShowing(line).count == 1,
          "line " + std::to_string(line) + " is not shown at exactly one position");

  // A position is drawn or free as a whole, and a drawn one shows an owned line. Thin lines
  // ("&Minimize fatness of lines") hide drawn ones, so fewer may be drawn than are owned.
  int drawn = 0;
  for (int position = 1; position <= kPositionCount; ++position) {
    std::set<int> mainWidths;
    std::array<Colour, 3> shown{};
    const auto lines = drawinglines(position);
    for (std::size_t j = 0; j < 3; ++j) {
      mainWidths.insert(drawingLine(true, lines[j]).borderWidth);
      shown[j] = drawingLine(true, lines[j]).color;
    }
    const int width = *mainWidths.begin();
    check(mainWidths.size() == 1 && (width == 1 || width == 4),
          "position " + std::to_string(position) + " is drawn in part");
    if (width != 4) continue;
    ++drawn;
    const int line = lineFromColours(shown[0], shown[1], shown[2]);
    check(line != 0 && !session_.game.position.isFree(line),
          "position " + std::to_string(position) + " is drawn but shows no owned line");
  }
  const int owned = kLineCount - rules::freeLines(kBoard, session_.game.position);
  check(drawn <= owned, std::to_string(drawn) + " positions are drawn for " +
                            std::to_string(owned) + " owned lines");
  for (int position = 1; position <= kPositionCount; ++position) {
    for (const forms::ControlArray* highlights : {&ui_->pow, &ui_->slam}) {
      const forms::Control& c = (*highlights)[position];
      check(!c.visible || owned > 0 || hinted(position),
            c.name + "(" + std::to_string(position) + ") is shown before any line is drawn");
      check(c.color == rules::kRedLineColour || c.color == rules::kBlueLineColour ||
                c.color == rules::kHighlightColour,
            c.name + "(" + std::to_string(position) + ") has a colour of no side");
    }
  }

  // Scores and points follow the units credited, and the labels show them.
  int credited = 0;
  for (int unit = 1; unit <= kSquareCount; ++unit) credited += session_.game.position.claimed(unit);
  const rules::Tally& red = session_.game.red;
  const rules::Tally& blue = session_.game.blue;
  check(red.score + blue.score == credited, "the scores do not add up to the units credited");
  check(ui_->redScore.caption == std::to_string(red.score) &&
            ui_->blueScore.caption == std::to_string(blue.score) &&
            ui_->redPoints.caption == std::to_string(red.points) &&
            ui_->bluePoints.caption == std::to_string(blue.points),
        "the score labels do not show the scores");
  check(red.points >= 1000 * red.score && blue.points >= 1000 * blue.score,
        "points fall short of the units won");
  check(ui_->redTurn.visible == (session_.game.redtomove == 1) &&
            ui_->blueTurn.visible == (session_.game.redtomove == 0),
        "the turn signs do not show the side to move");
  // The menus that fix the game are open exactly before its first move.
  const bool untouched = owned == 0 && session_.game.bluestarts == 1;
  check(ui_->gamesMenu.enabled == untouched && ui_->optionsMenu.enabled == untouched &&
            ui_->levelsMenu.enabled == untouched && ui_->programsMenu.enabled == untouched,
        "the game menus are not enabled exactly between games");
  check(later_.empty() && moving_ == 0, "a command is still waiting for a move to end");

  // Outside a flash, the diagram shows its own colours.
  for (DiagramElement element : diagramLineElements)
    check(diagramElement(element).color == diagramColour(element),
          "a diagram element of position " + std::to_string(positionOfDiagramElement(element)) +
              " is not in its own colour");
  return problems;
}

}  // namespace dorvan::window4d
