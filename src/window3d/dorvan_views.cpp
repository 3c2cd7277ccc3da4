// The 3D window's extra drawings and panels: the reverse and inverse views, which need the
// whole screen, and the move-list panel, which needs a wider window.

#include "forms/application.h"
#include "window3d/board_geometry.h"
#include "window3d/dorvan_form.h"
#include "window3d/window_texts.h"

namespace dorvan::window3d {

namespace {

// The narrowest window that shows the side panels beside the drawing.
constexpr int kWithPanelsWidth = 14500;

}  // namespace

void DorvanForm::Check1_Click() {
  Controls& ui = *ui_;
  const bool shown = ui.inverseBox.value == 1;
  // The button goes with the inverse view: it lies below the normal window.
  ui.invertInPlace.visible = shown;
  showSideView(ui.inverseView, shown, ui.reverseBox.value == 1);
}

void DorvanForm::Check2_Click() {
  Controls& ui = *ui_;
  showSideView(ui.reverseView, ui.reverseBox.value == 1, ui.inverseBox.value == 1);
}

void DorvanForm::showSideView(const forms::ControlArray& view, bool shown, bool otherShown) {
  for (forms::Control* segment : view) segment->visible = shown;
  if (shown) {
    const platform::ScreenSize screen = app().platform().screenSize();
    width = screen.width;
    height = screen.height;
    left = 0;
    top = 0;
  } else if (!otherShown) {
    restoreNormalSize();
  }
}

void DorvanForm::widenForPanels() {
  if (width < kWithPanelsWidth) {
    width = kWithPanelsWidth;
    centreOnScreen();
  }
}

void DorvanForm::narrowUnlessViewsShown() {
  if (ui_->inverseBox.value == 0 && ui_->reverseBox.value == 0) restoreNormalSize();
}

void DorvanForm::Command3_Click() {
  // The inverse view itself shows which lines land on one another; the button adds nothing.
}

void DorvanForm::mvs_Click() {
  Controls& ui = *ui_;
  forms::Control& item = ui.movesItem;
  if (item.checked) {
    ui.sidePanel.visible = false;
    item.checked = false;
    return;
  }
  item.checked = true;
  ui.highScores.visible = false;
  ui.sidePanel.visible = true;
  ui.sidePanelTitle.caption = texts::kMovesTitle;
  widenForPanels();
}

}  // namespace dorvan::window3d
