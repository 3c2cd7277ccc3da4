// The tesseract window's panel: scores, clock, turning buttons, view options, cumulative scores.

#include "rules/colours.h"
#include "rules/move_clock.h"
#include "rules/texts.h"
#include "view4d/pair_boxes.h"
#include "window4d/form2.h"
#include "window4d/form2_controls.h"
#include "window4d/form2_layout.h"
#include "window4d/form2_texts.h"

namespace dorvan::window4d {

namespace {

using forms::ControlKind;

constexpr Colour kListBackground = 0xFFFFFF;
constexpr Colour kVerdictBackground = 0xC0FFFF;  // pale yellow
constexpr int kClockWidth = 2400;
constexpr int kClockHeight = 165;

}  // namespace

void Form2::addPanel() {
  addScores();
  addTurning();
  addViewOptions();
  addCumulativeScores();
}

void Form2::addScores() {
  using namespace layout;
  auto label = [this](std::string name, int index, std::string_view text, int left, int top,
                      int width) -> forms::Control& {
    forms::Control& c = add(ControlKind::Label, std::move(name), index);
    c.caption = text;
    setPlace(c, left, top, width, kLabelHeight);
    c.transparent = true;
    return c;
  };
  constexpr int kRightOfMain = kMainView.left + kMainView.width;
  constexpr int kRightOfSecond = kSecondView.left + kSecondView.width;
  label("Label8", 0, texts::kNormalView, kRightOfMain - 2400, kBandTop, 2400).alignment = 1;
  label("Label8", 1, texts::kInverseView, kRightOfSecond - 2100,
        kSecondView.top + kSecondView.height + 30, 2100)
      .alignment = 1;

  forms::Control& variant =
      label("Label36", forms::kNoIndex, rules::texts::variantCaption(rules::Variant::kMerrin), 120,
            kBandTop, 3000);
  variant.fontSize = 9;
  variant.fontBold = true;

  label("Label333", forms::kNoIndex, texts::kPlayer1, 120, kBandRow2, 900);
  // Each side's row: its name, the units it has won, its points and its turn sign.
  const struct {
    const char* heading;
    const char* count;
    const char* pointsCaption;
    const char* points;
    const char* turn;
    std::string_view side;
    Colour colour;
    int top;
    bool toMove;
  } rows[] = {
      {"Label31", "Label5", "Label27", "Label29", "Label4", texts::kBlue, rules::kBlueStatusColour,
       kBandRow2, true},
      {"Label32", "Label6", "Label28", "Label30", "Label3", texts::kRed, rules::kRedStatusColour,
       kBandRow3, false},
  };
  for (const auto& row : rows) {
    forms::Control& heading = label(row.heading, forms::kNoIndex, row.side, 1080, row.top, 600);
    heading.forecolor = row.colour;
    heading.fontBold = true;
    forms::Control& count = label(row.count, forms::kNoIndex, texts::kZero, 1680, row.top, 420);
    count.fontBold = true;
    count.alignment = 1;
    label(row.pointsCaption, forms::kNoIndex, texts::kPoints, 2220, row.top, 540);
    forms::Control& points = label(row.points, forms::kNoIndex, texts::kZero, 2760, row.top, 660);
    points.fontBold = true;
    points.alignment = 1;
    forms::Control& turn = label(row.turn, forms::kNoIndex, texts::kYourTurn, 3600, row.top, 1320);
    turn.forecolor = row.colour;
    turn.fontBold = true;
    turn.visible = row.toMove;
  }

  forms::Control& status = label("Label33", forms::kNoIndex, rules::texts::kStartPlaying,
                                 kStatusLeft, kBandRow2, kRightOfMain - kStatusLeft);
  status.height = 285;
  status.forecolor = rules::kBlueStatusColour;
  status.fontSize = 10;
  status.fontBold = true;

  forms::Control& timeCaption =
      label("Label25", forms::kNoIndex, texts::kTimeLeft, kStatusLeft, kBandRow3 + 60, 1500);
  timeCaption.fontSize = 7;
  timeCaption.height = 195;
  forms::Control& track = add(ControlKind::PictureBox, "Picture5");
  setPlace(track, kStatusLeft + 1560, kBandRow3 + 90, kClockWidth, kClockHeight);
  track.backcolor = rules::kClockTimeLeftColour;
  forms::Control& bar = add(ControlKind::PictureBox, "Picture6");
  setPlace(bar, kClockWidth, 0, kClockWidth, kClockHeight);
  bar.container = "Picture5";
  bar.backcolor = rules::kClockTimeUsedColour;
  forms::Control& timer = add(ControlKind::Timer, "Timer1");
  timer.interval = rules::kTickMs;
  timer.enabled = false;

  // The verdicts of a finished game stand over the drawing while the question is asked.
  forms::Control& verdict = label("Label40", forms::kNoIndex, "", 2400, 3600, 5400);
  verdict.height = 600;
  verdict.transparent = false;
  verdict.backcolor = kVerdictBackground;
  verdict.fontSize = 10;
  verdict.fontBold = true;
  verdict.alignment = 2;
  verdict.visible = false;
}

void Form2::addTurning() {
  using namespace layout;
  forms::Control& heading = add(ControlKind::Label, "Label1");
  heading.caption = texts::kTurnHeading;
  setPlace(heading, kColumnLeft + kFrameInsetX, kTurnTop, kColumnWidth - kFrameInsetX,
           kLabelHeight);
  heading.transparent = true;

  // Each set of buttons is a pad of three by three: the four plain arrows around the middle,
  // the slanted ones at the corners, each opposite the one that turns the other way.
  struct Key {
    int row, column;
  };
  constexpr Key kExternalPad[] = {{1, 0}, {0, 1}, {1, 2}, {2, 1}, {0, 0}, {2, 2}, {2, 0}, {0, 2}};
  constexpr Key kInternalPad[] = {{1, 0}, {0, 1}, {1, 2}, {2, 1}, {2, 0}, {0, 2}};
  constexpr int kFrameHeight = kFrameInsetTop + 3 * kButtonStepY + kFrameInsetX - 30;
  constexpr int kFrameWidth = 2 * kFrameInsetX + 2 * kButtonStepX + kButtonWidth;
  auto pad = [&](const char* frameName, std::string_view title, int left, const char* buttons,
                 const Key* keys, const std::string_view* captions, int count) {
    forms::Control& frame = add(ControlKind::Frame, frameName);
    frame.caption = title;
    setPlace(frame, left, kTurnTop + kLabelHeight, kFrameWidth, kFrameHeight);
    for (int i = 0; i < count; ++i) {
      forms::Control& button = add(ControlKind::CommandButton, buttons, i);
      button.caption = captions[i];
      setPlace(button, kFrameInsetX + keys[i].column * kButtonStepX,
               kFrameInsetTop + keys[i].row * kButtonStepY, kButtonWidth, kButtonHeight);
      button.container = frameName;
    }
  };
  pad("Frame1", texts::kExternal, kColumnLeft, "Command1", kExternalPad, texts::kCommand1.data(),
      8);
  pad("Frame2", texts::kInternal, kColumnLeft + kHalfColumn, "Command2", kInternalPad,
      texts::kCommand2.data(), 6);
}

void Form2::addViewOptions() {
  using namespace layout;
  auto box = [this](std::string name, int index, std::string_view text, int left,
                    int top) -> forms::Control& {
    forms::Control& c = add(ControlKind::CheckBox, std::move(name), index);
    c.caption = text;
    setPlace(c, left, top, kHalfColumn - 120, kLabelHeight);
    return c;
  };
  // The cells in two columns, the two "Mysterious" sets last.
  for (int k = 1; k <= 10; ++k) {
    forms::Control& c =
        box("Check1", k, texts::kCheck1[k], kColumnLeft + ((k - 1) / 5) * kHalfColumn,
            kCheck1Top + ((k - 1) % 5) * kRowStep);
    c.value = k <= kFrameCount ? 1 : 0;
  }
  box("Check2", forms::kNoIndex, texts::kShowDots, kColumnLeft, kOptionsTop);
  box("Check3", forms::kNoIndex, texts::kShowAsDashes, kColumnLeft + kHalfColumn, kOptionsTop);
  // The colour pairs: the first colour, lightened, behind the second, dark enough to read.
  constexpr int kPerColumn = 11;
  for (int k = 0; k <= 20; ++k) {
    forms::Control& c =
        box("Check4", k, texts::kCheck4[k], kColumnLeft + (k / kPerColumn) * kHalfColumn,
            kCheck4Top + (k % kPerColumn) * kRowStep);
    if (k == 0) continue;
    c.forecolor = view4d::pairBoxText(k);
    c.backcolor = view4d::pairBoxBackground(k);
  }
  forms::Control& option = add(ControlKind::OptionButton, "Option1");
  option.caption = texts::kOption1;
  setPlace(option, kColumnLeft, kCheck4Top + kPerColumn * kRowStep + 120, kHalfColumn - 120,
           kLabelHeight);
}

void Form2::addCumulativeScores() {
  using layout::kScorePanel;
  forms::Control& panel = add(ControlKind::PictureBox, "Picture1");
  setPlace(panel, kScorePanel.left, kScorePanel.top, kScorePanel.width, kScorePanel.height);
  panel.visible = false;
  constexpr int kInner = 4800;
  auto inPanel = [&](ControlKind kind, std::string name, int index, std::string_view text, int left,
                     int top, int width, int height) -> forms::Control& {
    forms::Control& c = add(kind, std::move(name), index);
    c.caption = text;
    setPlace(c, left, top, width, height);
    c.container = "Picture1";
    return c;
  };
  forms::Control& title = inPanel(ControlKind::Label, "label7", 1, texts::kCumulativeTitle, 120, 60,
                                  kInner, layout::kLabelHeight);
  title.fontBold = true;
  title.alignment = 2;
  inPanel(ControlKind::ListBox, "List4", forms::kNoIndex, "", 120, 360, kInner, 2040).backcolor =
      kListBackground;
  // Blue's total first, as the round lines of the list give Blue's score first.
  constexpr int kTotalsTop = 2520;
  const struct {
    const char* heading;
    std::string_view text;
    Colour colour;
    int total;
    int left;
  } totals[] = {{"Label20", texts::kBluePoints, rules::kBlueStatusColour, 5, 120},
                {"Label23", texts::kRedPoints, rules::kRedStatusColour, 6, 2520}};
  for (const auto& side : totals) {
    inPanel(ControlKind::Label, side.heading, forms::kNoIndex, side.text, side.left, kTotalsTop,
            1080, layout::kLabelHeight)
        .forecolor = side.colour;
    inPanel(ControlKind::Label, "label7", side.total, texts::kZero, side.left + 1080, kTotalsTop,
            1080, layout::kLabelHeight)
        .fontBold = true;
  }
}

}  // namespace dorvan::window4d
