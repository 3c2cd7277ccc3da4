// What the tesseract window shows the driver of its state, and the rules that state keeps.

#include <algorithm>
#include <set>

#include "game3d/sides.h"
#include "window4d/diagram.h"
#include "window4d/form2.h"

namespace dorvan::window4d {

std::optional<forms::TableView> Form2::table(std::string_view name) const {
  if (name == "lineowner") return forms::TableView::row(lineowner_, kLineCount);
  if (name == "sqmarks") return forms::TableView::rows2d(sqmarks_, kSquareCount, kLinesPerSquare);
  if (name == "cellmarks") return forms::TableView::rows2d(cellmarks_, kCellCount, kLinesPerCell);
  if (name == "unitdone") return forms::TableView::row(unitdone_, kSquareCount);
  if (name == "sidecount") return forms::TableView::row(sidecount_, kSquareCount);
  if (name == "sqlines") return forms::TableView::rows2d(sqlines_, kSquareCount, kLinesPerSquare);
  if (name == "celllines") return forms::TableView::rows2d(celllines_, kCellCount, kLinesPerCell);
  if (name == "flashlist") return forms::TableView::row(flashlist, kFlashSlots);
  if (name == "flashcolours") return forms::TableView::row(flashcolours, kFlashSlots);
  if (name == "homecolours") return forms::TableView::row(homecolours_, kFrameCount);
  if (name == "mover") return forms::TableView::scalar(mover_);
  if (name == "redtomove") return forms::TableView::scalar(redtomove_);
  if (name == "bluestarts") return forms::TableView::scalar(bluestarts_);
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

  // A position is drawn or free as a whole, and only owned lines are drawn.
  int drawn = 0;
  for (int position = 1; position <= kPositionCount; ++position) {
    std::set<int> mainWidths;
    for (DrawingLine line : drawinglines(position))
      mainWidths.insert(at("L" + std::to_string(line.frame), line.element).borderWidth);
    const int width = *mainWidths.begin();
    check(mainWidths.size() == 1 && (width == 1 || width == 4),
          "position " + std::to_string(position) + " is drawn in part");
    drawn += width == 4;
  }
  const auto owned = std::count_if(lineowner_.begin() + 1, lineowner_.begin() + kLineCount + 1,
                                   [](int owner) { return owner != 0; });
  check(drawn <= owned, std::to_string(drawn) + " positions are drawn for " +
                            std::to_string(owned) + " owned lines");
  for (int position = 1; position <= kPositionCount; ++position) {
    for (const char* highlight : {"pow", "slam"}) {
      const forms::Control& c = at(highlight, position);
      check(!c.visible || owned > 0, std::string(highlight) + "(" + std::to_string(position) +
                                         ") is shown before any line is drawn");
      check(c.color == game3d::kRedLineColour || c.color == game3d::kBlueLineColour ||
                c.color == game3d::kHighlightColour,
            std::string(highlight) + "(" + std::to_string(position) + ") has a colour of no side");
    }
  }

  // The marks of squares and cells follow the owners of their lines.
  for (int line = 1; line <= kLineCount; ++line) {
    const int owner = lineowner_[line];
    check(owner >= 0 && owner <= 2,
          "line " + std::to_string(line) + " has owner " + std::to_string(owner));
    for (const Incidence& in : linesquares[line])
      check(sqmarks_[in.number][in.position] == owner, "square " + std::to_string(in.number) +
                                                           " disagrees with the owner of line " +
                                                           std::to_string(line));
    for (const Incidence& in : linecells[line])
      check(cellmarks_[in.number][in.position] == owner, "cell " + std::to_string(in.number) +
                                                             " disagrees with the owner of line " +
                                                             std::to_string(line));
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
