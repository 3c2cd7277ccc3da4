// Turning the tesseract: a button recolours the four frames of its cycle, the frames' visibility
// travels with their colours, the other buttons wait until the cycle is home again, and the
// drawn lines are marked where their cells now meet.

#include "view4d/turn_step.h"
#include "window4d/form2.h"

namespace dorvan::window4d {

namespace {

void apply(forms::Control& control, view4d::Enable change) {
  if (change != view4d::Enable::keep) control.enabled = change == view4d::Enable::on;
}

}  // namespace

void Form2::Command1_Click(int index) {
  turnStep(view4d::command1(index));
}

void Form2::Command2_Click(int index) {
  turnStep(view4d::command2(index));
}

void Form2::turnStep(view4d::Button pressed) {
  if (!view4d::isButton(pressed)) return;
  Controls& ui = *ui_;
  getfour();
  const view4d::Step step = view4d::step(orientation_, pressed);

  // Visibility moves along the cycle with the colours: read every flag before changing any.
  std::array<std::array<bool, kElementsPerFrame + 1>, kFrameCount + 1> shownMain{}, shownSecond{};
  for (int frame = 1; frame <= kFrameCount; ++frame) {
    for (int element = 1; element <= kElementsPerFrame; ++element) {
      shownMain[frame][element] = ui.L[frame][element].visible;
      shownSecond[frame][element] = ui.m[frame][element].visible;
    }
  }
  auto shownBefore = [&](view4d::ViewLine target) {
    const view4d::ViewLine from = view4d::visibilitySource(step.turn, target);
    return (from.mainView ? shownMain : shownSecond)[from.line.frame][from.line.element];
  };
  for (int frame : view4d::recolouredFrames(step.turn)) {
    const Colour colour = homecolours_[step.after.shows[frame]];
    for (int element = 1; element <= kElementsPerFrame; ++element) {
      ui.L[frame][element].color = colour;
      ui.m[frame][element].color = colour;
      ui.L[frame][element].visible = shownBefore({true, {frame, element}});
      ui.m[frame][element].visible = shownBefore({false, {frame, element}});
    }
  }
  orientation_ = step.after;

  for (int cell = 1; cell <= kFrameCount; ++cell)
    apply(ui.cellBoxes[cell], step.buttons.check1[cell]);
  for (int k = 0; k < view4d::kCommand1Count; ++k)
    apply(ui.turnExternal[k], step.buttons.command1[k]);
  for (int k = 0; k < view4d::kCommand2Count; ++k)
    apply(ui.turnInternal[k], step.buttons.command2[k]);

  afterturner();
  backoff();
  if (ui.accurateView.checked) losefour();
  showPairSquares();
}

}  // namespace dorvan::window4d
