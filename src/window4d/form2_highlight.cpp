// The small procedures that moves, menus and turning share: flashing a completed unit, the hidden
// corner of the accurate 4D view and the diagram's Cheat styling. None of them touches the game's
// state.

#include "rules/colours.h"
#include "window4d/diagram.h"
#include "window4d/form2.h"

namespace dorvan::window4d {

namespace {

constexpr Colour kFlashColour = rules::kHighlightColour;
// A diagram element that is green already flashes in yellow instead.
constexpr Colour kFlashOnGreen = 0x00FFFF;

}  // namespace

void Form2::flashon(int n) {
  const int count = kBoard.boxes(variant()).sides;
  for (int i = 1; i <= count; ++i) {
    const int position = flashlist[i];
    if (!isPosition(position)) continue;
    ui_->pow[position].color = kFlashColour;
    ui_->slam[position].color = kFlashColour;
  }
  if (!ui_->cheat.checked || !isSquare(n)) return;
  for (int k = 1; k <= kLinesPerSquare; ++k) {
    const DiagramElement element = screenpositions[sqlines[n][k]].diagram;
    diagramElement(element).color =
        diagramColour(element) == kFlashColour ? kFlashOnGreen : kFlashColour;
  }
}

void Form2::flashoff(int n) {
  const int count = kBoard.boxes(variant()).sides;
  for (int i = 1; i <= count; ++i) {
    const int position = flashlist[i];
    if (!isPosition(position)) continue;
    ui_->pow[position].color = flashcolours[i];
    ui_->slam[position].color = flashcolours[i];
  }
  if (!ui_->cheat.checked || !isSquare(n)) return;
  for (int k = 1; k <= kLinesPerSquare; ++k) {
    const DiagramElement element = screenpositions[sqlines[n][k]].diagram;
    diagramElement(element).color = diagramColour(element);
  }
}

namespace {

// The drawing lines of the hidden corner: the positions' main-view elements in the main view,
// their second-view elements in the second.
template <typename Visit>
void forHiddenCorner(Visit visit) {
  for (int position : hiddenCornerMain)
    for (DrawingLine line : drawinglines(position)) visit(true, line);
  for (int position : hiddenCornerSecond)
    for (DrawingLine line : drawinglines(position)) visit(false, line);
}

}  // namespace

void Form2::getfour() {
  forHiddenCorner(
      [this](bool mainView, DrawingLine line) { drawingLine(mainView, line).visible = true; });
}

void Form2::losefour() {
  forHiddenCorner(
      [this](bool mainView, DrawingLine line) { drawingLine(mainView, line).visible = false; });
  for (int position : hiddenCornerMain) ui_->pow[position].visible = false;
  for (int position : hiddenCornerSecond) ui_->slam[position].visible = false;
}

void Form2::quecheat() {
  const forms::LineStyle style =
      ui_->cheat.checked ? forms::LineStyle::Dot : forms::LineStyle::Solid;
  for (DiagramElement element : diagramLineElements) {
    forms::Control& c = diagramElement(element);
    c.style = style;
    c.borderWidth = 1;
  }
}

}  // namespace dorvan::window4d
