// The mark over the line under the pointer shows what a click there draws, in both game windows,
// at two sizes, and on the tesseract at home and turned.

#include <gtest/gtest.h>

#include <cmath>

#include "probe_form.h"
#include "qt/board_aim.h"
#include "qt/form_window.h"
#include "qt/surface.h"

namespace dorvan::qt::testing {
namespace {

using forms::Control;
using forms::ControlKind;

struct Board {
  std::string commandLine;
  std::optional<QSize> client;                     // nothing: as the window opens
  std::vector<std::pair<std::string, int>> turns;  // buttons pressed before the game
};

// A fresh two-player game on the board, ready for one line.
struct Game {
  explicit Game(const Board& board) : s(board.commandLine), form(&s.startGame()) {
    window = &s.windowOf(*form);
    clickControl("ip", 1);
    for (auto [name, index] : board.turns) clickControl(name, index);
    if (!board.turns.empty()) {
      const std::optional<forms::TableView> turns = form->table("turns");
      long turned = 0;
      for (long counter : turns->rows.front()) turned += counter;
      EXPECT_NE(turned, 0);
    }
    if (board.client) {
      window->resize(*board.client + (window->size() - window->client()->size()));
      pumpEvents(20);
      EXPECT_EQ(window->client()->size(), *board.client);
    }
  }
  void clickControl(const std::string& name, int index) { s.click(*form, name, index); }
  QPoint pixelOf(int x, int y) const {
    return window->client()->origin() + window->scale().toPixels(x, y);
  }
  QLine pixelsOf(const Control& c) const { return QLine(pixelOf(c.x1, c.y1), pixelOf(c.x2, c.y2)); }
  int drawnLines() const {
    int drawn = 0;
    const std::optional<forms::TableView> owners = form->table("lineowner");
    for (long owner : owners->rows.front()) drawn += owner != 0;
    return drawn;
  }

  Session s;
  forms::Form* form;
  FormWindow* window;
};

// The lines of moves as drawn where the player clicks: the 3D main view, the tesseract's main
// view.
bool isBoardLine(const Control& c) {
  if (c.kind != ControlKind::Line) return false;
  if (c.name == "LN") return c.index >= 1 && c.index <= 54;
  return c.name.size() == 2 && c.name[0] == 'L' && c.name[1] >= '1' && c.name[1] <= '8';
}

// Hovers over the point `along` each `stride`th line and clicks there, each in a fresh game.
void checkMarkIsWhatTheClickDraws(const Board& board, double along, int stride = 1) {
  std::vector<std::pair<std::string, int>> lines;
  {
    Game game(board);
    int n = 0;
    for (const Control& c : game.form->controls())
      if (isBoardLine(c) && game.form->isShown(c) && n++ % stride == 0)
        lines.emplace_back(c.name, c.index);
  }
  ASSERT_FALSE(lines.empty());
  int marked = 0;
  for (auto [name, index] : lines) {
    SCOPED_TRACE(name + "(" + std::to_string(index) + ")");
    Game game(board);
    const Control& line = game.form->at(name, index);
    const QLine drawn = game.pixelsOf(line);
    const QPoint pos = (QPointF(drawn.p1()) + along * QPointF(drawn.p2() - drawn.p1())).toPoint();
    QWidget* client = game.window->client();
    sendMouse(client, QEvent::MouseMove, pos);
    std::vector<Surface::Stroke> marks = game.window->client()->hoverMarks();

    std::map<const Control*, int> widths;
    for (const Control& c : game.form->controls())
      if (c.kind == ControlKind::Line) widths[&c] = c.borderWidth;
    clickAt(client, pos);
    ASSERT_EQ(game.drawnLines(), 1) << "at " << pos.x() << "," << pos.y();

    // Every mark lies on a line object that the click thickened, one of them under the pointer.
    ASSERT_FALSE(marks.empty());
    double nearest = 1e9;
    for (const Surface::Stroke& mark : marks) {
      bool thickened = false;
      for (const Control& c : game.form->controls())
        if (c.kind == ControlKind::Line && game.form->isShown(c) && game.pixelsOf(c) == mark.line)
          thickened = thickened || c.borderWidth > widths[&c];
      EXPECT_TRUE(thickened);
      nearest = std::min(nearest, distanceToSegment(pos, mark.line));
    }
    EXPECT_LE(nearest, 1.0);
    // Over the line now drawn, nothing is marked.
    sendMouse(client, QEvent::MouseMove, pos + QPoint(1, 0));
    sendMouse(client, QEvent::MouseMove, pos);
    EXPECT_TRUE(game.window->client()->hoverMarks().empty());
    ++marked;
  }
  EXPECT_EQ(marked, static_cast<int>(lines.size()));
}

TEST(QtShellAim, TheCubesMarkIsTheLineAClickDraws) {
  checkMarkIsWhatTheClickDraws({"", std::nullopt, {}}, 0.5);
  checkMarkIsWhatTheClickDraws({"", QSize(760, 600), {}}, 0.3);
}

TEST(QtShellAim, TheTesseractsMarkIsTheLineAClickDrawsAtHomeAndTurned) {
  checkMarkIsWhatTheClickDraws({"4", QSize(780, 560), {}}, 0.5, 2);
  checkMarkIsWhatTheClickDraws({"4", QSize(640, 480), {{"Command1", 1}}}, 0.3, 3);
  checkMarkIsWhatTheClickDraws({"4", QSize(780, 560), {{"Command2", 2}, {"Command2", 2}}}, 0.7, 3);
}

}  // namespace
}  // namespace dorvan::qt::testing
