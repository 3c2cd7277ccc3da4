#include "game4d/form2.h"

#include <algorithm>

#include "forms/application.h"
#include "game3d/sides.h"
#include "game3d/texts.h"
#include "game4d/centre_lines.h"
#include "game4d/click_targets.h"
#include "game4d/diagram.h"
#include "game4d/drawing.h"
#include "game4d/form2_layout.h"
#include "game4d/form2_texts.h"

namespace dorvan::game4d {

namespace {

using forms::ControlKind;

constexpr forms::Color kBackground = 0xC0C0C0;
constexpr forms::Color kListBackground = 0xFFFFFF;
constexpr forms::Color kClockLeft = 0x00C000;  // the clock's bar: green time left ...
constexpr forms::Color kClockUsed = 0x0000C0;  // ... covered by red as it runs out
constexpr int kClockWidth = 2400;
constexpr int kClockHeight = 165;
// Where the click targets that loading moves wait until then: below the drawing.
constexpr int kTargetsParkedLeft = 120;
constexpr int kTargetsParkedTop = 8400;
// Element 41 stands for no screen position; it lies in an empty part of the main view.
constexpr Rect kDeadTarget{1800, 4200, 255, 255};

std::string frameName(bool mainView, int frame) {
  return (mainView ? "L" : "m") + std::to_string(frame);
}

void setSegment(forms::Control& c, Segment s) {
  c.x1 = s.p1.x;
  c.y1 = s.p1.y;
  c.x2 = s.p2.x;
  c.y2 = s.p2.y;
}

void setPlace(forms::Control& c, int left, int top, int width, int height) {
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
}

// A light shade of a cell colour, behind the text of a colour-pair box.
forms::Color lightShade(forms::Color c) {
  forms::Color shade = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const forms::Color channel = (c >> shift) & 0xFF;
    shade |= ((channel + 0xFF) / 2) << shift;
  }
  return shade;
}

forms::Color pairColour(std::string_view name) {
  if (name.starts_with("Yellow")) return cells[kYellowCell].display;
  if (name.starts_with("L.")) return cells[kLightBlueCell].display;
  if (name.starts_with("Blue")) return cells[kBlueCell].display;
  if (name.starts_with("Green")) return cells[kGreenCell].display;
  if (name.starts_with("Purple")) return cells[kPurpleCell].display;
  if (name.starts_with("Red")) return cells[kRedCell].display;
  if (name.starts_with("Black")) return 0x000000;
  return 0xFFFFFF;
}

}  // namespace

Form2::Form2(forms::Application& app) : Form(app, "Form2") {
  caption = std::string(texts::kCaption);
  backcolor = kBackground;
  addDrawing();
  addDiagram();
  addHighlights();
  addPanel();
  addTargets();
  addMenus();
  wireHandlers();
}

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
      c.color = game3d::kRedLineColour;
      c.borderWidth = main ? 7 : 6;
      c.style = main ? forms::LineStyle::Solid : forms::LineStyle::Dot;
      c.visible = false;
    }
  }
}

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
      label("Label36", forms::kNoIndex, game3d::texts::variantCaption(game3d::Variant::kMerrin),
            120, kBandTop, 3000);
  variant.fontSize = 9;
  variant.fontBold = true;

  label("Label333", forms::kNoIndex, texts::kPlayer1, 120, kBandRow2, 900);
  const struct {
    const char* heading;
    const char* count;
    const char* turn;
    std::string_view side;
    forms::Color colour;
    int top;
    bool toMove;
  } rows[] = {
      {"Label31", "Label5", "Label4", texts::kBlue, game3d::kBlueStatusColour, kBandRow2, true},
      {"Label32", "Label6", "Label3", texts::kRed, game3d::kRedStatusColour, kBandRow3, false},
  };
  for (const auto& row : rows) {
    forms::Control& heading = label(row.heading, forms::kNoIndex, row.side, 1080, row.top, 600);
    heading.forecolor = row.colour;
    heading.fontBold = true;
    forms::Control& count = label(row.count, forms::kNoIndex, texts::kZero, 1680, row.top, 600);
    count.fontBold = true;
    count.alignment = 1;
    forms::Control& turn = label(row.turn, forms::kNoIndex, texts::kYourTurn, 2520, row.top, 1320);
    turn.forecolor = row.colour;
    turn.fontBold = true;
    turn.visible = row.toMove;
  }

  forms::Control& status = label("Label33", forms::kNoIndex, texts::kStartPlaying, kStatusLeft,
                                 kBandRow2, kRightOfMain - kStatusLeft);
  status.height = 285;
  status.forecolor = game3d::kBlueStatusColour;
  status.fontSize = 10;
  status.fontBold = true;

  forms::Control& timeCaption =
      label("Label25", forms::kNoIndex, texts::kTimeLeft, kStatusLeft, kBandRow3 + 60, 1500);
  timeCaption.fontSize = 7;
  timeCaption.height = 195;
  forms::Control& track = add(ControlKind::PictureBox, "Picture5");
  setPlace(track, kStatusLeft + 1560, kBandRow3 + 90, kClockWidth, kClockHeight);
  track.backcolor = kClockLeft;
  forms::Control& bar = add(ControlKind::PictureBox, "Picture6");
  setPlace(bar, kClockWidth, 0, kClockWidth, kClockHeight);
  bar.container = "Picture5";
  bar.backcolor = kClockUsed;
  forms::Control& timer = add(ControlKind::Timer, "Timer1");
  timer.interval = game3d::kTickMs;
  timer.enabled = false;
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
  // The colour pairs: the first colour, lightened, behind the second.
  constexpr int kPerColumn = 11;
  for (int k = 0; k <= 20; ++k) {
    forms::Control& c =
        box("Check4", k, texts::kCheck4[k], kColumnLeft + (k / kPerColumn) * kHalfColumn,
            kCheck4Top + (k % kPerColumn) * kRowStep);
    if (k == 0) continue;
    const std::string_view name = texts::kCheck4[k];
    const std::size_t slash = name.find(" / ");
    std::string_view second = name.substr(slash + 3);
    while (second.starts_with(' ')) second.remove_prefix(1);
    c.forecolor = pairColour(second);
    c.backcolor = lightShade(pairColour(name.substr(0, slash)));
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
    forms::Color colour;
    int total;
    int left;
  } totals[] = {{"Label20", texts::kBluePoints, game3d::kBlueStatusColour, 5, 120},
                {"Label23", texts::kRedPoints, game3d::kRedStatusColour, 6, 2520}};
  for (const auto& side : totals) {
    inPanel(ControlKind::Label, side.heading, forms::kNoIndex, side.text, side.left, kTotalsTop,
            1080, layout::kLabelHeight)
        .forecolor = side.colour;
    inPanel(ControlKind::Label, "label7", side.total, texts::kZero, side.left + 1080, kTotalsTop,
            1080, layout::kLabelHeight)
        .fontBold = true;
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

void Form2::addMenus() {
  struct Item {
    const char* name;
    int index;
    std::string_view caption;
    const char* parent;
    bool checked = false;
  };
  constexpr int none = forms::kNoIndex;
  const Item items[] = {
      {"tmen", none, texts::kGameMenu, ""},
      {"gmen", 1, texts::kNew, "tmen"},
      {"gmen", 2, texts::kSeparator, "tmen"},
      {"gmen", 7, texts::kExit, "tmen"},
      {"lai", none, texts::kSeparator, "tmen"},
      {"abb", none, texts::kAbout, "tmen"},
      {"op", none, texts::kPrograms, ""},
      {"opme", 1, texts::kProgramEntries[1], "op"},
      {"opme", 2, texts::kProgramEntries[2], "op"},
      {"opme", 3, texts::kProgramEntries[3], "op"},
      {"opme", 4, texts::kProgramEntries[4], "op"},
      {"opme", 5, texts::kProgramEntries[5], "op", true},
      {"opmz", none, texts::kLevels, ""},
      {"opmen", 7, texts::kNormal, "opmz", true},
      {"opmen", 8, texts::kHalfLevel, "opmz"},
      {"opmef", none, texts::kGamesMenu, ""},
      {"game", 0, texts::kVariants[0], "opmef", true},
      {"game", 1, texts::kVariants[1], "opmef"},
      {"game", 2, texts::kVariants[2], "opmef"},
      {"msc", none, texts::kSmash, "opmef"},
      {"gamz", none, texts::kOptions, ""},
      {"ip", 0, texts::kPlayers[0], "gamz", true},
      {"ip", 1, texts::kPlayers[1], "gamz"},
      {"szl", none, texts::kSeparator, "gamz"},
      {"cht", none, texts::kCheat, "gamz"},
      {"dsm", none, texts::kSuddenDeath, "gamz"},
      {"disfz", none, texts::kDisplayMenu, ""},
      {"gdr", none, texts::kMinimizeFatness, "disfz"},
      {"showfour", none, texts::kShowFour, "disfz"},
      {"cuscore", none, texts::kCumulative, "disfz"},
      {"rul", none, texts::kRulesMenu, ""},
      {"hlp", none, texts::kRules, "rul"},
      {"ksa", none, texts::kSeparator, "rul"},
      {"abt", none, texts::kAbout, "rul"},
  };
  for (const Item& item : items) {
    addMenu(item.name, std::string(item.caption), item.parent, item.index).checked = item.checked;
    if (std::string_view(item.name) == "dsm") {
      for (int k = 1; k <= 10; ++k)
        addMenu("sd", std::string(texts::kTimeLimits[k]), "dsm", k).checked = k == 5;
    }
  }
  at("gmen", 1).shortcut = "F2";
  at("hlp").shortcut = "F1";
}

void Form2::wireHandlers() {
  for (int k = 0; k < kLabel2Count; ++k)
    at("Label2", k).onClick = [this](int i) { Label2_Click(i); };
  for (int k : {1, 7}) at("gmen", k).onClick = [this](int i) { gmen_Click(i); };
  for (int k = 1; k <= 5; ++k) at("opme", k).onClick = [this](int i) { opme_Click(i); };
  for (int k : {7, 8}) at("opmen", k).onClick = [this](int i) { opmen_Click(i); };
  for (int k = 0; k < 3; ++k) at("game", k).onClick = [this](int i) { game_Click(i); };
  for (int k = 0; k < 2; ++k) at("ip", k).onClick = [this](int i) { ip_Click(i); };
  for (int k = 1; k <= 10; ++k) {
    at("sd", k).onClick = [this](int i) { sd_Click(i); };
    at("Check1", k).onClick = [this](int i) { Check1_Click(i); };
  }
  at("msc").onClick = [this](int) { msc_Click(); };
  at("cht").onClick = [this](int) { cht_Click(); };
  at("cuscore").onClick = [this](int) { cuscore_Click(); };
  at("hlp").onClick = [this](int) { hlp_Click(); };
  at("abb").onClick = [this](int) { abb_Click(); };
  at("abt").onClick = [this](int) { abt_Click(); };
}

void Form2::Form_Load() {
  clock_ = game3d::MoveClock(game3d::kTimeLimit4d);
  const platform::ScreenSize screen = app().platform().screenSize();
  width = screen.width;
  height = screen.height - 500;
  at("List4").items.emplace_back();
  quecheat();
  bluestarts_ = 1;
  for (int frame = 1; frame <= kFrameCount; ++frame)
    homecolours_[frame] = at(frameName(true, frame), 1).color;
  for (int p = 1; p <= kPositionCount; ++p) at("pow", p).visible = at("Check3").value == 1;
  left = (screen.width - width) / 2;
  top = (screen.height - height) / 2 - 300;
  for (int k = 1; k < kLabel2Count; ++k) at("Label2", k).transparent = true;
  for (int p = 1; p <= kPositionCount; ++p) {
    at("pow", p).visible = false;
    forms::Control& second = at("slam", p);
    second.visible = false;
    second.style = forms::LineStyle::Solid;
  }
  for (int frame = 1; frame <= kFrameCount; ++frame)
    for (int element = 1; element <= kElementsPerFrame; ++element)
      at(frameName(true, frame), element).borderWidth = 1;
  for (int k = 0; k < kLabel2Count; ++k) {
    if ((k >= 4 && k <= 7) || k >= 41) continue;
    at("Label2", k).left = label2[k].rect.left;
    at("Label2", k).top = label2[k].rect.top;
  }
  settables();
  at("Check2").value = 0;  // "Show dots" does nothing more when it is cleared
  if (app().levelFlag == 1) opmen_Click(8);
}

bool Form2::cheatOn() const {
  return at("cht").checked;
}

bool Form2::dorvanVariant() const {
  return at("game", 2).checked;
}

forms::Control& Form2::drawingLine(bool mainView, DrawingLine line) {
  return at(frameName(mainView, line.frame), line.element);
}

const forms::Control& Form2::diagramElement(DiagramElement e) const {
  switch (e.array) {
    case DiagramArray::a:
      return at("a" + std::to_string(e.number), e.index);
    case DiagramArray::b:
      return at("b" + std::to_string(e.number), e.index);
    default:
      return at("Line" + std::to_string(e.number), e.index);
  }
}

forms::Control& Form2::diagramElement(DiagramElement e) {
  return const_cast<forms::Control&>(std::as_const(*this).diagramElement(e));
}

}  // namespace dorvan::game4d
