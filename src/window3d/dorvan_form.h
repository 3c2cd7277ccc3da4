#pragma once
// The 3D game window: the lattice in perspective, its counters, menus and move exchange.
//
// The window keeps the game's state as the rules describe it (`lineowner`, `sqmarks`,
// `cubemarks`, `claimed`, whose turn it is) and shows everything else in its controls: the
// counters are label captions and are read back from them, the options are menu check marks.
// The game3d engine works out what a line scores; this class applies it to the window.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/form.h"
#include "game3d/move_clock.h"
#include "game3d/position.h"
#include "game3d/sides.h"

namespace dorvan::window3d {

class DorvanForm : public forms::Form {
 public:
  explicit DorvanForm(forms::Application& app);

  void Form_Load() override;
  std::optional<forms::TableView> table(std::string_view name) const override;
  std::vector<std::string> invariantViolations() const override;

  // A click on one of the targets over the drawing.
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
  void game_Click(int index);
  void ip_Click(int index);
  void play_Click();
  void quit_Click();
  void grid_Click();

  // The extra views and the smaller switches of the Display menu.
  void Check1_Click();
  void Check2_Click();
  void Command3_Click();
  void mvs_Click();
  void ch_Click();
  void snd_Click();
  // The level menu, a further game window, help and the about window.
  void cbm_Click(int index);
  void add_Click();
  void rulen_Click();
  void ab_Click();
  void abb_Click();

  // Painting and showing a move.
  void anpaint(int ant);
  void markmov(int move);
  void viewrefresh();

 private:
  void addControls();
  void addBoard();
  void addMenus();
  void wireHandlers();

  void invalidmove();
  void showTurn();
  void paintLine(int line, Colour colour);
  void showCompletedBox(int box, game3d::Variant variant);
  void showbox();
  void restorebox();
  void endOfGame();
  void resetDrawing();
  void setMenusEnabled(bool enabled);
  // 8595 x 7485 twips, centred on the screen.
  void restoreNormalSize();
  // Keeps the window's size and centres it on the screen.
  void centreOnScreen();
  // Shows or hides one of the extra views and gives the window the size the views need.
  void showSideView(std::string_view view, bool shown, bool otherShown);
  void wireViewsAndOptions();
  // What is shown that its switch does not ask for, or hidden that it does.
  void addViewViolations(std::vector<std::string>& problems) const;
  void restartMoveClock();
  void stopMoveClock();

  // The computer's turn: a take (after which it moves again) or one line that gives nothing
  // away; each line is shown green for a second before it turns red.
  void computerMove();
  void drawComputerLine(int line);
  // The sudden-death clock's tick.
  void Timer1_Timer();
  // Move exchange: "Enter", "Paste ... and enter" and "Clear".
  void command6_Click();
  void Command2_Click();
  void Command1_Click();
  // The score lists: the high-score table, the cumulative panel and a finished game's round.
  void high_Click();
  void cuscore_Click();
  void addRound();

  // The variant whose item is checked in the Games menu, as the scoring reads it.
  game3d::Variant checkedVariant() const;
  bool onePlayer() const;
  bool timeLimitInForce() const;
  // A counter label's caption as a number (0 when it holds none) and adding to it.
  int counter(std::string_view label, int index = forms::kNoIndex) const;
  void addToCounter(std::string_view label, int amount, int index = forms::kNoIndex);

  game3d::Position position_;
  int mover_ = game3d::kNobody;  // the side that drew the last line
  int redtomove_ = 0;
  int gamevariant_ = 0;
  int bluestarts_ = 1;
  game3d::MoveClock clock_{game3d::kTimeLimit3d};
  // The box whose completion is being shown: its lines and the colours they had.
  std::array<int, game3d::kCubeEdges + 1> boxlines_{};
  std::array<Colour, game3d::kCubeEdges + 1> savedcolors_{};
  int boxSlots_ = 0;
};

}  // namespace dorvan::window3d
