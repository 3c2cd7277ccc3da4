#pragma once
// The 3D game window: the lattice in perspective, its counters, menus and move exchange.
//
// The game itself (lines, marks, whose turn it is, scores and points) is a rules::Game on the
// lattice's board; the window shows it in its controls and never reads a caption back. The
// options are menu check marks.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/control_array.h"
#include "forms/form.h"
#include "game3d/board.h"
#include "gamewindow/game_controls.h"
#include "rules/colours.h"
#include "rules/game.h"
#include "rules/move_clock.h"
#include "rules/score_lists.h"

namespace dorvan::window3d {

class DorvanForm : public forms::Form {
 public:
  static constexpr int kTimeLimit = 20000;  // milliseconds for a move against the computer

  explicit DorvanForm(forms::Application& app);

  // dorvan_form.cpp: loading and the driver's tables.
  void Form_Load() override;
  std::optional<forms::TableView> table(std::string_view name) const override;
  const rules::Session& session() const { return session_; }
  std::optional<forms::TargetLine> targetLine(const forms::Control& target) const override;
  // The shells paint the window from its controls after every change; nothing is cached here.
  void viewrefresh() {}

  // dorvan_play.cpp: a click on one of the targets over the drawing, the move procedure, the
  // end of a game and the next one.
  void Label22_Click(int index);
  // Draws `line` for the side to move: refused with a message when it is taken, otherwise
  // painted, recorded and scored. A line chosen on the board is shown as the last move; a typed
  // one is not, so the clipboard keeps this machine's own last move.
  void playLine(int line, bool chosenOnBoard);
  // What follows every drawn line: scoring, whose turn, the status line, the highlight of each
  // completed box, the moves left, and then the end of the game or the computer's reply.
  // `afterComputerTake` skips the menus and the clock, which the computer's turn has dealt with.
  void aftermove(bool afterComputerTake = false);
  void new_Click();
  // Paints a line's segments in the inverse view in its drawer's colour, and shows a move as the
  // last one.
  void anpaint(int ant, Colour colour);
  void markmov(int move);

  // dorvan_menus.cpp: the game variant, the player mode, the grid overlay, the advice on
  // playing over a distance, and leaving.
  void game_Click(int index);
  void ip_Click(int index);
  void grid_Click();
  void play_Click();
  void quit_Click();

  // dorvan_opponent.cpp: the choice of computer opponent, and the hint of the strong one's line.
  void opp_Click(int index);
  void hnt_Click();

  // dorvan_views.cpp: the extra views and the move-list panel.
  void Check1_Click();
  void Check2_Click();
  void Command3_Click();
  void mvs_Click();

  // dorvan_options.cpp: the smaller switches of the Display menu, the level menu, a further
  // game window, help and the about window.
  void ch_Click();
  void snd_Click();
  void cbm_Click(int index);
  void add_Click();
  void rulen_Click();
  void ab_Click();
  void abb_Click();

 private:
  // The controls the handlers use, resolved once when the window is built.
  struct Controls : gamewindow::GameControls {
    explicit Controls(Form& form);
    forms::ControlArray mainView;             // LN(0..89), 1..54 the lines of the moves
    forms::ControlArray reverseView;          // bN(1..90)
    forms::ControlArray inverseView;          // aN(1..90)
    forms::ControlArray targets;              // Label22(0..89), the click targets
    std::vector<forms::Control*> gridMarks;   // the grid's LabelN and their leaders LineN
    forms::Control& movesLeft;                // Label34
    forms::Control& movesLeftCaption;         // Label35
    forms::Control& lastFrom;                 // Label8
    forms::Control& lastTo;                   // Label10
    forms::Control& lastName;                 // Text2
    forms::Control& inverseBox;               // Check1
    forms::Control& reverseBox;               // Check2
    forms::Control& invertInPlace;            // Command3
    forms::Control& restingFocus;             // Option1
    forms::Control& entry;                    // Text1
    forms::Control& enter;                    // Command6
    std::array<forms::Control*, 5> entryAll;  // Text1, Command6, Label38, Label39, Command2
    forms::Control& clockFigure;              // Label11, the grid's "Front" caption
    forms::Control& sidePanel;                // Picture3
    forms::Control& sidePanelTitle;           // Label37
    forms::Control& moveList;                 // List1
    forms::Control& highScores;               // List2
    forms::Control& programsMenu;             // opt
    forms::Control& gamesMenu;                // xq
    forms::Control& optionsMenu;              // sdz
    forms::Control& cumulativeItem;           // cuscore
    forms::Control& movesItem;                // mvs
    forms::Control& gridItem;                 // grid
    forms::Control& cheatItem;                // ch
    forms::Control& soundItem;                // snd
  };

  // dorvan_form.cpp
  void addBoard();
  void addControls();
  void wireHandlers();
  // 8595 x 7485 twips, centred on the screen.
  void restoreNormalSize();
  // Keeps the window's size and centres it on the screen.
  void centreOnScreen();
  bool onePlayer() const;
  bool timeLimitInForce() const;
  void showMovesLeft(int left);

  // dorvan_play.cpp
  void invalidmove();
  void paintLine(int line, Colour colour);
  void showCompletedBox(int box, rules::Variant variant);
  void showbox();
  void restorebox();
  void endOfGame();
  void resetDrawing();
  void setMenusEnabled(bool enabled);

  // dorvan_computer.cpp: the computer's turn, a take (after which it moves again) or one line
  // that gives nothing away; each line is shown green for a second before it turns red.
  void computerMove();
  void drawComputerLine(int line);

  // dorvan_opponent.cpp: gives the hinted line back its free look; nothing happens when no hint is
  // shown.
  void clearHint();

  // dorvan_clock.cpp: the sudden-death clock's tick.
  void Timer1_Timer();

  // dorvan_exchange.cpp: "Enter", "Paste ... and enter" and "Clear".
  void command6_Click();
  void Command2_Click();
  void Command1_Click();

  // dorvan_scores.cpp: the high-score table, the cumulative panel and a finished game's round.
  void high_Click();
  void cuscore_Click();

  // dorvan_views.cpp
  // Shows or hides one of the extra views and gives the window the size the views need.
  void showSideView(const forms::ControlArray& view, bool shown, bool otherShown);
  // Widens a normal window so that the side panels right of the drawing can be seen.
  void widenForPanels();
  // Back to the normal size, unless an extra view needs the whole screen.
  void narrowUnlessViewsShown();

  std::optional<Controls> ui_;

  rules::Session session_{kTimeLimit};
  // The box whose completion is being shown: its lines and the colours they had.
  std::array<int, game3d::kCubeEdges + 1> boxlines_{};
  std::array<Colour, game3d::kCubeEdges + 1> savedcolors_{};
  int boxSlots_ = 0;
  int hintedLine_ = 0;  // the free line shown green as a hint, or 0
};

}  // namespace dorvan::window3d
