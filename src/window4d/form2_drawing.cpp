// The tesseract window's drawing: both views, the small diagram, highlights and click targets.

#include "rules/colours.h"
#include "window4d/centre_lines.h"
#include "window4d/click_targets.h"
#include "window4d/diagram.h"
#include "window4d/drawing.h"
#include "window4d/form2.h"
#include "window4d/form2_controls.h"

namespace dorvan::window4d {

namespace {

using forms::ControlKind;

// Where the click targets that loading moves wait until then: below the drawing.
constexpr int kTargetsParkedLeft = 120;
constexpr int kTargetsParkedTop = 8400;
// Element 41 stands for no screen position; it lies in an empty part of the main view.
constexpr Rect kDeadTarget{1800, 4200, 255, 255};

void setSegment(forms::Control& c, Segment s) {
  c.x1 = s.p1.x;
  c.y1 = s.p1.y;
  c.x2 = s.p2.x;
  c.y2 = s.p2.y;
}

}  // namespace

void Form2::addDrawing() {
  for (bool mainView : {true, false}) {
    for (int frame = 1; frame <= kFrameCount; ++frame) {
      for (int element = 1; element <= kElementsPerFrame; ++element) {
        forms::Control& c = add(ControlKind::Line, frameName(mainView, frame), element);
        setSegment(c, drawingLineSegment(mainView ? View::main : View::second, frame, element));
        c.color = homeColourOfFrame(frame);
      }
    }
  }
}

void Form2::addDiagram() {
  auto addElement = [this](DiagramElement e) {
    const char* prefix =
        e.array == DiagramArray::a ? "a" : (e.array == DiagramArray::b ? "b" : "Line");
    forms::Control& c = add(ControlKind::Line, prefix + std::to_string(e.number), e.index);
    setSegment(c, diagramSegment(e));
    c.color = diagramColour(e);
    // The two "Mysterious" sets of lines are shown only on request.
    c.visible = !(e.array == DiagramArray::Line && (e.number == 1 || e.number == 2));
  };
  for (int number = 1; number <= kFrameCount; ++number) {
    for (int index = 1; index <= 3; ++index) addElement({DiagramArray::a, number, index});
  }
  for (int number : {1, 2}) {
    for (int index = 1; index <= 4; ++index) addElement({DiagramArray::Line, number, index});
  }
  addElement(screenpositions[27].alsoDiagram);
  for (int number = 1; number <= kFrameCount; ++number) {
    for (int index = 1; index <= 3; ++index) addElement({DiagramArray::b, number, index});
  }
}

void Form2::addHighlights() {
  for (View view : {View::main, View::second}) {
    const bool main = view == View::main;
    for (int position = 1; position <= kPositionCount; ++position) {
      forms::Control& c = add(ControlKind::Line, main ? "pow" : "slam", position);
      setSegment(c, centreLine(view, position));
      c.color = rules::kRedLineColour;
      c.borderWidth = main ? 7 : 6;
      c.style = main ? forms::LineStyle::Solid : forms::LineStyle::Dot;
      c.visible = false;
    }
  }
}

void Form2::addTargets() {
  // The targets come last so that they lie over everything they cover. Those that loading moves
  // wait below the drawing until then.
  for (int k = 0; k < kLabel2Count; ++k) {
    forms::Control& target = add(ControlKind::Label, "Label2", k);
    const Rect r = k == 41 ? kDeadTarget : label2[k].rect;
    const bool keepsPlace = (k >= 4 && k <= 7) || k >= 41;
    setPlace(target, keepsPlace ? r.left : kTargetsParkedLeft,
             keepsPlace ? r.top : kTargetsParkedTop, r.width, r.height);
    target.transparent = true;
  }
}

forms::Control& Form2::drawingLine(bool mainView, DrawingLine line) const {
  return (mainView ? ui_->L : ui_->m)[line.frame][line.element];
}

forms::Control& Form2::diagramElement(DiagramElement e) const {
  switch (e.array) {
    case DiagramArray::a:
      return ui_->a[e.number][e.index];
    case DiagramArray::b:
      return ui_->b[e.number][e.index];
    default:
      return (e.number == 1 ? ui_->line1 : e.number == 2 ? ui_->line2 : ui_->line10)[e.index];
  }
}

}  // namespace dorvan::window4d
