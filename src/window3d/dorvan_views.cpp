// The 3D window's extra drawings and panels: the reverse and inverse views, which need the
// whole screen, and the move-list panel, which needs a wider window.

#include "forms/application.h"
#include "window3d/board_geometry.h"
#include "window3d/dorvan_form.h"
#include "window3d/window_texts.h"

namespace dorvan::window3d {

namespace {

// The narrowest window that shows the side panels beside the drawing.
constexpr int kPanelWidth = 14500;

}  // namespace

void DorvanForm::Check1_Click() {
  const bool shown = at("Check1").value == 1;
  // The button goes with the inverse view: it lies below the normal window.
  at("Command3").visible = shown;
  showSideView("aN", shown, at("Check2").value == 1);
}

void DorvanForm::Check2_Click() {
  showSideView("bN", at("Check2").value == 1, at("Check1").value == 1);
}

void DorvanForm::showSideView(std::string_view view, bool shown, bool otherShown) {
  for (int k = 1; k <= kSideSegments; ++k) at(view, k).visible = shown;
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

void DorvanForm::Command3_Click() {
  // The inverse view itself shows which lines land on one another; the button adds nothing.
}

void DorvanForm::mvs_Click() {
  forms::Control& item = at("mvs");
  if (item.checked) {
    at("Picture3").visible = false;
    item.checked = false;
    return;
  }
  item.checked = true;
  at("List2").visible = false;
  at("Picture3").visible = true;
  at("Label37").caption = texts::kMovesTitle;
  if (width < kPanelWidth) {
    width = kPanelWidth;
    centreOnScreen();
  }
}

void DorvanForm::addViewViolations(std::vector<std::string>& problems) const {
  auto shownWith = [&](std::string_view name, int index, bool switchedOn) {
    if (at(name, index).visible != switchedOn)
      problems.push_back(std::string(name) +
                         (index == forms::kNoIndex ? "" : std::to_string(index)) +
                         (switchedOn ? " is hidden" : " is shown") + " against its switch");
  };
  const bool inverse = at("Check1").value == 1;
  const bool reverse = at("Check2").value == 1;
  for (int k = 1; k <= kSideSegments; ++k) {
    shownWith("aN", k, inverse);
    shownWith("bN", k, reverse);
  }
  shownWith("Command3", forms::kNoIndex, inverse);
  shownWith("Label34", forms::kNoIndex, at("ch").checked);
  shownWith("Label35", forms::kNoIndex, at("ch").checked);
}

}  // namespace dorvan::window3d
