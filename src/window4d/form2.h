#pragma once
// The 4D game window: the tesseract drawn twice (the main view and the second, inverse view),
// a small diagram of it, the click targets over the drawing, the status and score labels, the
// turning buttons and view options, the cumulative scores and the menu bar.
//
// The game itself (`lineowner`, the marks, whose turn it is, scores and points) is a rules::Game
// on the tesseract's board; the window draws it. A drawn line is the border width of the drawing
// lines at its screen position, the cell a frame shows is its border colour, and a click names
// the line whose cells' colours meet where it landed.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/control_array.h"
#include "forms/form.h"
#include "game4d/board.h"
#include "game4d/cells.h"
#include "game4d/incidence.h"
#include "game4d/positions.h"
#include "gamewindow/game_controls.h"
#include "rules/game.h"
#include "rules/move_clock.h"
#include "rules/score_lists.h"
#include "view4d/orientation.h"
#include "view4d/turn_buttons.h"

namespace dorvan::window4d {

// The window draws and plays the engine's tesseract: its names are this window's vocabulary.
using namespace game4d;
using rules::Variant;

// How a line control looks, enough to put it back after a passing mark.
struct LineLook {
  bool visible = false;
  Colour color = 0;
  int borderWidth = 0;
};

class Form2 : public forms::Form {
 public:
  static constexpr int kFlashSlots = 12;
  static constexpr int kTimeLimit = 30000;  // milliseconds for a move against the computer

  explicit Form2(forms::Application& app);

  void Form_Load() override;
  std::optional<forms::TableView> table(std::string_view name) const override;
  const rules::Session& session() const { return session_; }
  // The move procedure is running, or a command waits for it to end.
  bool moving() const { return moving_ > 0 || !later_.empty(); }
  // A hint of the strong computer marks this screen position.
  bool hinted(int position) const;
  std::optional<forms::TargetLine> targetLine(const forms::Control& target) const override;

  // form2_play.cpp: a click on the tesseract, the move procedure and the end of a game.
  void Label2_Click(int index);
  void gridbang(int gdb);
  void movescore();
  void Timer1_Timer();

  // form2_computer.cpp: the computer's line, found where its cells now meet and drawn there.
  void computerMove();
  void findclik(int fdc, int adc, int bdc, int cdc);
  void goclick(int fdc);
  void repaintpow();
  void backoff();

  // form2_menus.cpp: menu commands, the level switch and the cell check boxes.
  void gmen_Click(int index);
  void opme_Click(int index);
  void opmen_Click(int index);
  void game_Click(int index);
  void msc_Click();
  void ip_Click(int index);
  void cht_Click();
  void sd_Click(int index);
  void gdr_Click();
  void cuscore_Click();
  void hlp_Click();
  void abb_Click();
  void abt_Click();
  void Check1_Click(int index);

  // form2_opponent.cpp: the choice of computer opponent, and the hint of the strong one's line.
  void opp_Click(int index);
  void hnt_Click();

  // form2_view.cpp: the accurate view, the display check boxes, the marks after a turn.
  void showfour_Click();
  void Check2_Click();
  void Check3_Click();
  void afterturner();
  void Check4_Click(int index);

  // form2_turning.cpp: turning the tesseract.
  void Command1_Click(int index);
  void Command2_Click(int index);

 private:
  // form2_highlight.cpp: procedures that moves, menus and turning share.
  // Lights the highlights of the screen positions in `flashlist` (4 of them, 12 in the Dorvan
  // variant) in green; with Cheat on, also the diagram elements of square `n`.
  void flashon(int n);
  // Puts back the colours `flashcolours` kept, and the diagram colours of square `n`.
  void flashoff(int n);
  // Shows / hides the lines of the hidden corner of each view (the accurate 4D view).
  void getfour();
  void losefour();
  // Styles the diagram: dotted while Cheat is on, solid otherwise; every element width 1.
  void quecheat();

  // The unit being flashed: its lines' screen positions and the colours their highlights had.
  std::array<int, kFlashSlots + 1> flashlist{};
  std::array<Colour, kFlashSlots + 1> flashcolours{};

  // The controls the handlers use, resolved once when the window is built.
  struct Controls : gamewindow::GameControls {
    explicit Controls(Form& form);
    forms::ControlArray label2;                             // Label2(0..50), the click targets
    std::array<forms::ControlArray, kFrameCount + 1> L;     // L1..L8(1..12), the main view
    std::array<forms::ControlArray, kFrameCount + 1> m;     // m1..m8(1..12), the second view
    forms::ControlArray pow, slam;                          // the highlights (1..32)
    std::array<forms::ControlArray, kFrameCount + 1> a, b;  // a1..a8, b1..b8 (1..3), diagram
    forms::ControlArray line1, line2, line10;               // Line1, Line2 (1..4), Line10(2)
    forms::ControlArray cellBoxes;                          // Check1(1..10)
    forms::ControlArray pairBoxes;                          // Check4(0..20)
    forms::ControlArray turnExternal, turnInternal;         // Command1(0..7), Command2(0..5)
    forms::Control& turnFrameExternal;                      // Frame1
    forms::Control& turnFrameInternal;                      // Frame2
    forms::Control& showDots;                               // Check2
    forms::Control& showAsDashes;                           // Check3
    forms::Control& programsMenu;                           // op
    forms::Control& levelsMenu;                             // opmz
    forms::Control& gamesMenu;                              // opmef
    forms::Control& optionsMenu;                            // gamz
    forms::Control& accurateView;                           // showfour
    forms::Control& cheat;                                  // cht
    forms::Control& thinLines;                              // gdr
    forms::Control& normalLevel;                            // opmen(7)
    forms::Control& halfLevel;                              // opmen(8)
  };

  void addDrawing();
  void addDiagram();
  void addHighlights();
  void addPanel();
  void addScores();
  void addTurning();
  void addViewOptions();
  void addCumulativeScores();
  void addTargets();
  void addMenus();
  void wireHandlers();

  // form2_play.cpp
  // Runs a player's command now, or after the move procedure when it comes in during the flash
  // of a completed unit, so that every move is scored to its end before the next one starts.
  void whenIdle(std::function<void()> command);
  void scoreAndPass();
  void flashUnit(int unit);
  // No line is left in play.
  bool gameOver() const;
  void endOfGame();
  void newGame();
  void drawPosition(int position);
  void setGameMenusEnabled(bool enabled);

  // form2_menus.cpp
  void setLevelHalf();
  // The turning buttons with their frames and heading.
  void showTurning(bool shown);
  void setLevelNormal();
  // Sets a check box as a program would set it: its click handler runs when the value changes.
  void setCheck1(int index, int value);

  // form2_opponent.cpp: gives the highlights under a hint back what they showed before; nothing
  // when none is shown.
  void clearHint();

  // form2_turning.cpp
  void turnStep(view4d::Button pressed);
  // form2_view.cpp: marks, dotted, the square that the two cells of each checked pair box share.
  void showPairSquares();
  // The screen positions whose frames show the colours of the line's three cells.
  struct Positions {
    std::array<int, 4> position{};
    int count = 0;
    const int* begin() const { return position.data(); }
    const int* end() const { return position.data() + count; }
  };
  Positions positionsShowing(int line) const;
  Variant variant() const;
  bool onePlayer() const;
  bool halfLevelOn() const;
  bool timeLimitInForce() const;
  forms::Control& drawingLine(bool mainView, DrawingLine line) const;
  forms::Control& diagramElement(DiagramElement element) const;

  std::optional<Controls> ui_;

  rules::Session session_{kTimeLimit};
  view4d::Orientation orientation_ = view4d::kHome;
  // The drawing lines that the pair boxes have dotted, [view][frame][element] (main view 0).
  std::array<std::array<std::array<bool, kElementsPerFrame + 1>, kFrameCount + 1>, 2> pairDotted_{};
  // The red frame's lines that a pair box click has hidden.
  std::array<bool, 4> redLineHidden_{};
  int locateonly_ = 0;
  int locatedpos_ = 0;
  // The move procedure is running; commands that arrive meanwhile wait in `later_`.
  int moving_ = 0;
  std::vector<std::function<void()>> later_;

  // The frames' colours as read when the window loaded.
  std::array<Colour, kFrameCount + 1> homecolours_{};

  // A hint on screen: the positions it marks, with what their highlights showed before.
  struct HintMark {
    int position = 0;
    LineLook main, second;
  };
  std::vector<HintMark> hint_;
};

}  // namespace dorvan::window4d
