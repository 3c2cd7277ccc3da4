// The line a click on a target over the tesseract plays, for the shell's pointer: the drawing
// lines of its screen position in both views, drawable when the click would draw them now.

#include "game4d/colour_lookup.h"
#include "window4d/click_targets.h"
#include "window4d/form2.h"
#include "window4d/line_widths.h"

namespace dorvan::window4d {

std::optional<forms::TargetLine> Form2::targetLine(const forms::Control& target) const {
  const Controls& ui = *ui_;
  if (!ui.label2.contains(target.index) || &ui.label2[target.index] != &target) return {};
  const int position = label2[target.index].position;
  if (position == 0) return forms::TargetLine{};
  forms::TargetLine shown;
  const auto lines = drawinglines(position);
  for (bool mainView : {true, false})
    for (DrawingLine line : lines) shown.shownBy.push_back(&drawingLine(mainView, line));
  // As Label2_Click decides; a click during the flash of a completed unit waits for the move's
  // end, when the line may no longer be free.
  const int line =
      lineFromColours(drawingLine(true, lines[0]).color, drawingLine(true, lines[1]).color,
                      drawingLine(true, lines[2]).color);
  shown.drawable = moving_ == 0 &&
                   !(screenpositions[position].closedAtHalfLevel && halfLevelOn()) &&
                   drawingLine(true, lines[0]).borderWidth != widths::kDrawn && line != 0 &&
                   session_.game.position.isFree(line);
  return shown;
}

}  // namespace dorvan::window4d
