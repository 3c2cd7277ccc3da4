// What the tesseract window shows the driver of its state, and the rules that state keeps.

#include <algorithm>
#include <set>

#include "game3d/sides.h"
#include "game4d/colour_lookup.h"
#include "view4d/orientation.h"
#include "window4d/diagram.h"
#include "window4d/form2.h"

namespace dorvan::window4d {

std::optional<forms::TableView> Form2::table(std::string_view name) const {
  if (name == "lineowner") return forms::TableView::row(game_.lineowner, kLineCount);
  if (name == "sqmarks")
    return forms::TableView::rows2d(game_.sqmarks, kSquareCount, kLinesPerSquare);
  if (name == "cellmarks")
    return forms::TableView::rows2d(game_.cellmarks, kCellCount, kLinesPerCell);
  if (name == "unitdone") return forms::TableView::row(game_.unitdone, kSquareCount);
  if (name == "sidecount") return forms::TableView::row(game_.sidecount, kSquareCount);
  if (name == "sqlines") return forms::TableView::rows2d(sqlines_, kSquareCount, kLinesPerSquare);
  if (name == "celllines") return forms::TableView::rows2d(celllines_, kCellCount, kLinesPerCell);
  if (name == "flashlist") return forms::TableView::row(flashlist, kFlashSlots);
  if (name == "flashcolours") return forms::TableView::row(flashcolours, kFlashSlots);
  if (name == "homecolours") return forms::TableView::row(homecolours_, kFrameCount);
  if (name == "mover") return forms::TableView::scalar(game_.mover);
  if (name == "redtomove") return forms::TableView::scalar(game_.redtomove);
  if (name == "bluestarts") return forms::TableView::scalar(game_.bluestarts);
  if (name == "redpoints") return forms::TableView::scalar(game_.redPoints);
  if (name == "bluepoints") return forms::TableView::scalar(game_.bluePoints);
  if (name == "locatedpos") return forms::TableView::scalar(locatedpos_);
  if (name == "turns") return forms::TableView::row(orientation_.turns);
  if (name == "timelimit") return forms::TableView::scalar(clock_.timelimit());
  if (name == "timeleft") return forms::TableView::scalar(clock_.timeleft());
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
    check(line != 0 && game_.lineowner[line] != 0,
          "position " + std::to_string(position) + " is drawn but shows no owned line");
  }
  const int owned = kLineCount - freeLines(game_);
  check(drawn <= owned, std::to_string(drawn) + " positions are drawn for " +
                            std::to_string(owned) + " owned lines");
  for (int position = 1; position <= kPositionCount; ++position) {
    for (const forms::ControlArray* highlights : {&ui_->pow, &ui_->slam}) {
      const forms::Control& c = (*highlights)[position];
      check(!c.visible || owned > 0,
            c.name + "(" + std::to_string(position) + ") is shown before any line is drawn");
      check(c.color == game3d::kRedLineColour || c.color == game3d::kBlueLineColour ||
                c.color == game3d::kHighlightColour,
            c.name + "(" + std::to_string(position) + ") has a colour of no side");
    }
  }

  // Scores and points follow the units credited, and the labels show them.
  int credited = 0;
  for (int unit = 1; unit <= kSquareCount; ++unit) credited += game_.unitdone[unit];
  check(game_.redScore + game_.blueScore == credited,
        "the scores do not add up to the units credited");
  check(ui_->redScore.caption == std::to_string(game_.redScore) &&
            ui_->blueScore.caption == std::to_string(game_.blueScore) &&
            ui_->redPoints.caption == std::to_string(game_.redPoints) &&
            ui_->bluePoints.caption == std::to_string(game_.bluePoints),
        "the score labels do not show the scores");
  check(game_.redPoints >= 1000 * game_.redScore && game_.bluePoints >= 1000 * game_.blueScore,
        "points fall short of the units won");
  check(ui_->redTurn.visible == (game_.redtomove == 1) &&
            ui_->blueTurn.visible == (game_.redtomove == 0),
        "the turn signs do not show the side to move");
  // The menus that fix the game are open exactly before its first move.
  const bool untouched = owned == 0 && game_.bluestarts == 1;
  check(ui_->gamesMenu.enabled == untouched && ui_->optionsMenu.enabled == untouched &&
            ui_->levelsMenu.enabled == untouched && ui_->programsMenu.enabled == untouched,
        "the game menus are not enabled exactly between games");
  check(later_.empty() && moving_ == 0, "a command is still waiting for a move to end");

  // The marks of the variant in play follow the owners of their lines; the other table holds
  // the lines that both tables got (the computer writes only the variant's own).
  const bool cellsScore = scoresCells(variant());
  for (int line = 1; line <= kLineCount; ++line) {
    const int owner = game_.lineowner[line];
    check(owner >= 0 && owner <= 2,
          "line " + std::to_string(line) + " has owner " + std::to_string(owner));
    for (const Incidence& in : linesquares[line]) {
      const int mark = game_.sqmarks[in.number][in.position];
      check(mark == owner || (cellsScore && mark == 0), "square " + std::to_string(in.number) +
                                                            " disagrees with the owner of line " +
                                                            std::to_string(line));
    }
    for (const Incidence& in : linecells[line]) {
      const int mark = game_.cellmarks[in.number][in.position];
      check(mark == owner || (!cellsScore && mark == 0), "cell " + std::to_string(in.number) +
                                                             " disagrees with the owner of line " +
                                                             std::to_string(line));
    }
  }
  for (int square = 1; square <= kSquareCount; ++square)
    check(sqlines_[square] == sqlines[square],
          "sqlines row " + std::to_string(square) + " has been overwritten");
  for (int cell = 1; cell <= kCellCount; ++cell)
    check(celllines_[cell] == celllines[cell],
          "celllines row " + std::to_string(cell) + " has been overwritten");

  // Outside a flash, the diagram shows its own colours.
  for (DiagramElement element : diagramLineElements)
    check(diagramElement(element).color == diagramColour(element),
          "a diagram element of position " + std::to_string(positionOfDiagramElement(element)) +
              " is not in its own colour");
  return problems;
}

}  // namespace dorvan::window4d
