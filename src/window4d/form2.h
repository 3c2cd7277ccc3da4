#pragma once
// The 4D game window: the tesseract drawn twice (the main view and the second, inverse view),
// a small diagram of it, the click targets over the drawing, the status and score labels, the
// turning buttons and view options, the cumulative scores and the menu bar.
//
// The window keeps the per-game tables as the rules describe them (`lineowner`, `sqmarks`,
// `cellmarks`, `unitdone`, whose turn it is) and its own copies of the incidence tables
// (`sqlines`, `celllines`), which it fills when it loads. Everything a player sees is a
// control: drawn lines are border widths, the cell a frame shows is its border colour.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/form.h"
#include "game3d/move_clock.h"
#include "game4d/cells.h"
#include "game4d/incidence.h"
#include "game4d/positions.h"

namespace dorvan::window4d {

// The window draws and plays the engine's tesseract: its names are this window's vocabulary.
using namespace game4d;

class Form2 : public forms::Form {
 public:
  // Table shapes, index 0 unused; some are larger than the tesseract needs.
  static constexpr int kLineSlots = 64;
  static constexpr int kSquareRows = 26;
  static constexpr int kSquareLineRows = 42;
  static constexpr int kUnitSlots = 42;
  static constexpr int kSideCountSlots = 36;
  static constexpr int kCellRows = 9;
  static constexpr int kFlashSlots = 12;

  explicit Form2(forms::Application& app);

  void Form_Load() override;
  std::optional<forms::TableView> table(std::string_view name) const override;
  std::vector<std::string> invariantViolations() const override;

  // Click targets over the drawing.
  void Label2_Click(int index);

  // Menu commands.
  void gmen_Click(int index);
  void opme_Click(int index);
  void opmen_Click(int index);
  void game_Click(int index);
  void msc_Click();
  void ip_Click(int index);
  void cht_Click();
  void sd_Click(int index);
  void cuscore_Click();
  void hlp_Click();
  void abb_Click();
  void abt_Click();

  // Showing and hiding frames and the diagram's extra lines by the cell check boxes.
  void Check1_Click(int index);

  // Highlight and diagram procedures shared by moves, menus and turning.
  // Fills `sqlines` and `celllines` from the tesseract's tables.
  void settables();
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

 private:
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

  void newGame();
  void setLevelHalf();
  // The turning buttons with their frames and heading.
  void showTurning(bool shown);
  void setLevelNormal();
  // Sets a check box as a program would set it: its click handler runs when the value changes.
  void setCheck1(int index, int value);
  // The move procedure comes with the game engine; until then nothing follows a new game.
  void movescore();

  bool cheatOn() const;
  bool dorvanVariant() const;
  forms::Control& drawingLine(bool mainView, DrawingLine line);
  forms::Control& diagramElement(DiagramElement element);
  const forms::Control& diagramElement(DiagramElement element) const;

  // Per-game state.
  std::array<int, kLineSlots + 1> lineowner_{};
  std::array<std::array<int, kLinesPerSquare + 1>, kSquareRows + 1> sqmarks_{};
  std::array<std::array<int, kLinesPerCell + 1>, kCellRows + 1> cellmarks_{};
  std::array<int, kUnitSlots + 1> unitdone_{};
  std::array<int, kSideCountSlots + 1> sidecount_{};
  int mover_ = 0;
  int redtomove_ = 0;
  int bluestarts_ = 0;
  game3d::MoveClock clock_{0};

  // The window's incidence tables and the frames' colours as read when the window loaded.
  std::array<std::array<int, kLinesPerSquare + 1>, kSquareLineRows + 1> sqlines_{};
  std::array<std::array<int, kLinesPerCell + 1>, kCellRows + 1> celllines_{};
  std::array<Colour, kFrameCount + 1> homecolours_{};
};

}  // namespace dorvan::window4d
