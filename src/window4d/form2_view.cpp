// What the tesseract window shows of itself: the accurate 4D view, dotted drawn lines, and the
// marks of the drawn lines put back where their cells meet after a turn.

#include <algorithm>

#include "forms/messages.h"
#include "rules/colours.h"
#include "view4d/pair_boxes.h"
#include "view4d/shown_lines.h"
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
    const rules::Side owner = session_.game.position.owner(line);
    if (owner == rules::kNobody) continue;
    for (int position : positionsShowing(line)) {
      for (DrawingLine drawn : drawinglines(position)) {
        drawingLine(true, drawn).borderWidth = widths::kDrawn;
        drawingLine(false, drawn).borderWidth =
            position == 1 ? widths::kDrawnSecondViewFirst : widths::kDrawn;
      }
      const Colour colour = rules::lineColour(owner);
      for (forms::Control* highlight : {&ui.pow[position], &ui.slam[position]}) {
        highlight->visible = true;
        highlight->color = colour;
      }
      ui.pow[position].borderWidth = widths::kHighlightMain;
      ui.slam[position].borderWidth = widths::kHighlightSecond;
    }
  }
}

namespace {

// The red frame's lines that the boxes "Red / Black", "Red / L.Blue", "Red / White" and
// "Red / Green" stand for: one line of the square the red cell shares with each.
struct RedLine {
  int box;
  int element;
};
constexpr RedLine kRedLines[] = {{9, 3}, {10, 7}, {11, 11}, {12, 8}};
constexpr int kRedFrame = 2;

bool isRedLineBox(int box) {
  for (const RedLine& red : kRedLines)
    if (red.box == box) return true;
  return false;
}

}  // namespace

// Every pair box runs the same update: the four red lines follow their own boxes, and every
// other checked box marks its square.
void Form2::Check4_Click(int index) {
  Controls& ui = *ui_;
  showPairSquares();
  const bool clickedChecked = ui.pairBoxes.contains(index) && ui.pairBoxes[index].value == 1;
  for (std::size_t k = 0; k < std::size(kRedLines); ++k) {
    forms::Control& line = ui.L[kRedFrame][kRedLines[k].element];
    if (ui.pairBoxes[kRedLines[k].box].value == 1) {
      line.style = forms::LineStyle::Dot;
      if (redLineHidden_[k]) line.visible = true;
      redLineHidden_[k] = false;
    } else if (clickedChecked && !pairDotted_[0][kRedFrame][kRedLines[k].element]) {
      // Another pair is being looked at: the red line steps aside, unless that pair marks it.
      if (line.visible) redLineHidden_[k] = true;
      line.visible = false;
    } else {
      if (redLineHidden_[k]) line.visible = true;
      redLineHidden_[k] = false;
      if (!pairDotted_[0][kRedFrame][kRedLines[k].element]) line.style = forms::LineStyle::Solid;
    }
  }
}

void Form2::showPairSquares() {
  Controls& ui = *ui_;
  std::array<std::array<std::array<bool, kElementsPerFrame + 1>, kFrameCount + 1>, 2> marked{};
  for (int box = 1; box <= view4d::kPairBoxCount; ++box) {
    if (isRedLineBox(box) || ui.pairBoxes[box].value != 1) continue;
    const view4d::CellPair pair = view4d::pairboxes[box];
    for (int position : view4d::positionsOfSquare(orientation_, view4d::pairBoxSquare(box))) {
      if (!isPosition(position)) continue;
      for (DrawingLine line : drawinglines(position)) {
        const int cell = view4d::cellShown(orientation_, line.frame);
        if (cell != pair.first && cell != pair.second) continue;
        marked[0][line.frame][line.element] = true;
        marked[1][line.frame][line.element] = true;
      }
    }
  }
  const bool dashes = ui.showAsDashes.value == 1;
  for (int view = 0; view < 2; ++view) {
    for (int frame = 1; frame <= kFrameCount; ++frame) {
      for (int element = 1; element <= kElementsPerFrame; ++element) {
        forms::Control& line = (view == 0 ? ui.L : ui.m)[frame][element];
        bool& dotted = pairDotted_[view][frame][element];
        if (marked[view][frame][element]) {
          line.style = forms::LineStyle::Dot;
        } else if (dotted) {
          line.style = dashes && line.borderWidth != widths::kFree ? forms::LineStyle::Dot
                                                                   : forms::LineStyle::Solid;
        }
        dotted = marked[view][frame][element];
      }
    }
  }
}

// Every frame shows one cell in all of its lines (turning recolours whole frames), so the first
// line of each frame tells the colour its lines show at every position.
Form2::Positions Form2::positionsShowing(int line) const {
  std::array<Colour, kFrameCount + 1> frameColour{};
  for (int frame = 1; frame <= kFrameCount; ++frame) frameColour[frame] = ui_->L[frame][1].color;
  std::array<Colour, 3> target{};
  for (std::size_t j = 0; j < 3; ++j) target[j] = cells[linecells[line][j].number].display;
  Positions found;
  for (int position = 1; position <= kPositionCount; ++position) {
    std::array<Colour, 3> shown{};
    const auto lines = drawinglines(position);
    for (std::size_t j = 0; j < 3; ++j) shown[j] = frameColour[lines[j].frame];
    if (std::ranges::is_permutation(shown, target) && found.count < 4)
      found.position[found.count++] = position;
  }
  return found;
}

}  // namespace dorvan::window4d
