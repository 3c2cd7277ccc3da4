// The line a click on a target over the drawing plays, for the shell's pointer.

#include "rules/position.h"
#include "window3d/board_geometry.h"
#include "window3d/dorvan_form.h"

namespace dorvan::window3d {

std::optional<forms::TargetLine> DorvanForm::targetLine(const forms::Control& target) const {
  const Controls& ui = *ui_;
  if (!ui.targets.contains(target.index) || &ui.targets[target.index] != &target) return {};
  const int line = kTargets[target.index].move;
  if (line == 0) return forms::TargetLine{};
  return forms::TargetLine{{&ui.mainView[line], &ui.reverseView[line]},
                           session_.game.position.isFree(line)};
}

}  // namespace dorvan::window3d
