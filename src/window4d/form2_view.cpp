// What the tesseract window shows of itself: the accurate 4D view, dotted drawn lines, and the
// marks of the drawn lines put back where their cells meet after a turn.

#include <algorithm>

#include "forms/messages.h"
#include "window4d/form2.h"
#include "window4d/form2_texts.h"
#include "window4d/line_widths.h"

namespace dorvan::window4d {

void Form2::showfour_Click() {
  forms::Control& accurate = ui_->accurateView;
  if (accurate.checked) {
    getfour();
    accurate.checked = false;
    return;
  }
  accurate.checked = true;
  losefour();
  forms::tell(app(), texts::kAccurateText1, texts::kAccurateTitle1);
  forms::tell(app(), texts::kAccurateText2, texts::kAccurateTitle2);
  forms::tell(app(), texts::kAccurateText3, texts::kAccurateTitle3);
}

// "Show dots" has nothing to show.
void Form2::Check2_Click() {}

void Form2::Check3_Click() {
  const forms::LineStyle style =
      ui_->showAsDashes.value == 1 ? forms::LineStyle::Dot : forms::LineStyle::Solid;
  for (int frame = 1; frame <= kFrameCount; ++frame) {
    for (const forms::ControlArray* view : {&ui_->L[frame], &ui_->m[frame]})
      for (forms::Control* line : *view)
        if (line->borderWidth != widths::kFree) line->style = style;
  }
}

void Form2::afterturner() {
  Controls& ui = *ui_;
  for (int p = 1; p <= kPositionCount; ++p) {
    ui.pow[p].visible = false;
    ui.slam[p].visible = false;
  }
  for (int frame = 1; frame <= kFrameCount; ++frame) {
    for (forms::Control* line : ui.L[frame]) line->borderWidth = widths::kFree;
    for (forms::Control* line : ui.m[frame]) line->borderWidth = widths::kFree;
  }
  for (int line = 1; line <= kLineCount; ++line) {
    const int owner = game_.lineowner[line];
    if (owner == 0) continue;
    for (int position : positionsShowing(line)) {
      for (DrawingLine drawn : drawinglines(position)) {
        drawingLine(true, drawn).borderWidth = widths::kDrawn;
        drawingLine(false, drawn).borderWidth =
            position == 1 ? widths::kDrawnSecondViewFirst : widths::kDrawn;
      }
      const Colour colour =
          game3d::lineColour(owner == game3d::kRed ? game3d::kRed : game3d::kBlue);
      for (forms::Control* highlight : {&ui.pow[position], &ui.slam[position]}) {
        highlight->visible = true;
        highlight->color = colour;
      }
      ui.pow[position].borderWidth = widths::kHighlightMain;
      ui.slam[position].borderWidth = widths::kHighlightSecond;
    }
  }
}

std::vector<int> Form2::positionsShowing(int line) const {
  std::array<Colour, 3> target{};
  for (std::size_t j = 0; j < 3; ++j) target[j] = cells[linecells[line][j].number].display;
  std::vector<int> found;
  for (int position = 1; position <= kPositionCount; ++position) {
    std::array<Colour, 3> shown{};
    const auto lines = drawinglines(position);
    for (std::size_t j = 0; j < 3; ++j) shown[j] = drawingLine(true, lines[j]).color;
    if (std::ranges::is_permutation(shown, target)) found.push_back(position);
  }
  return found;
}

}  // namespace dorvan::window4d
