// Where clicks on the board land: random points on the lines as drawn, each clicked through the
// desktop shell in a fresh two-player game, counted by what the click drew: the line the point
// lies on, another line, or nothing. Points are drawn uniformly along the drawn length of the
// lines of moves (the 3D main view; the tesseract's main view, at home), from a fixed seed.
//
//   dorvan_bench_aim [POINTS] [3d|4d] [WIDTHxHEIGHT]   (needs a display, e.g. xvfb-run -a)
//
// POINTS defaults to 200. The window is resized to WIDTHxHEIGHT pixels of client area, or by
// default to fill the screen's available area; "own" keeps the size the window opens at.

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "forms/application.h"
#include "game4d/positions.h"
#include "qt/form_window.h"
#include "qt/qt_platform.h"
#include "qt/surface.h"
#include "registry/form_registry.h"

namespace {

using dorvan::forms::Control;
using dorvan::forms::ControlKind;

struct Game {
  dorvan::qt::QtPlatform shell;
  std::optional<dorvan::forms::Application> app;
  dorvan::forms::Form* form = nullptr;
  dorvan::qt::FormWindow* window = nullptr;

  Game(const std::string& commandLine, std::optional<QSize> client) {
    shell.setMessageBoxHook([](const auto&) { return dorvan::platform::Answer::Ok; });
    app.emplace(shell, commandLine);
    shell.attach(*app);
    dorvan::registry::registerForms(*app);
    app->start("Form3");
    shell.syncAll();
    form = app->activeForm();
    window = shell.windowFor(*form);
    shell.deliver([this](dorvan::forms::Application& a) { a.click(*form, form->at("ip", 1)); });
    if (client) {
      window->resize(*client + (window->size() - window->client()->size()));
      window->move(0, 0);
    }
    pump();
  }
  ~Game() { shell.detach(); }

  static void pump() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }

  // The line drawn so far (the first, if several), or 0.
  int drawnLine() const {
    auto owners = form->table("lineowner");
    const std::vector<long>& row = owners->rows.front();
    for (std::size_t i = 0; i < row.size(); ++i)
      if (row[i] != 0) return static_cast<int>(i) + 1;
    return 0;
  }

  void click(QPoint pos) {
    QWidget* surface = window->client();
    for (QEvent::Type type :
         {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
      Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
      QMouseEvent event(type, pos, surface->mapToGlobal(pos), button, held, Qt::NoModifier);
      QCoreApplication::sendEvent(surface, &event);
    }
    pump();
  }
};

// The move a line object of the main view stands for, or 0 for none.
int moveOf(const Control& c, bool tesseract) {
  if (c.kind != ControlKind::Line || !c.visible) return 0;
  if (!tesseract) return c.name == "LN" && c.index >= 1 && c.index <= 54 ? c.index : 0;
  if (c.name.size() != 2 || c.name[0] != 'L') return 0;
  const int frame = c.name[1] - '0';
  for (int position = 1; position <= dorvan::game4d::kPositionCount; ++position)
    for (dorvan::game4d::DrawingLine line : dorvan::game4d::drawinglines(position))
      if (line.frame == frame && line.element == c.index) return position;
  return 0;
}

struct Sampled {
  int move;
  QPoint pixel;
};

// How far, in pixels, the nearest line object of `move` as drawn lies from `p`.
double distanceToMove(Game& game, bool tesseract, int move, QPointF p) {
  const auto& scale = game.window->scale();
  const QPoint o = game.window->client()->origin();
  double nearest = 1e9;
  for (const Control& c : game.form->controls()) {
    if (moveOf(c, tesseract) != move) continue;
    QPointF a = o + scale.toPixels(c.x1, c.y1);
    QPointF b = o + scale.toPixels(c.x2, c.y2);
    QPointF ab = b - a;
    double length2 = QPointF::dotProduct(ab, ab);
    double t = length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0;
    QPointF d = p - (a + t * ab);
    nearest = std::min(nearest, std::hypot(d.x(), d.y()));
  }
  return nearest;
}

std::vector<Sampled> samplePoints(Game& game, bool tesseract, int count) {
  struct Piece {
    int move;
    QPointF a, b;
    double length;
  };
  const auto& scale = game.window->scale();
  const QPoint o = game.window->client()->origin();
  std::vector<Piece> pieces;
  double total = 0;
  for (const Control& c : game.form->controls()) {
    int move = moveOf(c, tesseract);
    if (move == 0) continue;
    QPointF a = o + scale.toPixels(c.x1, c.y1);
    QPointF b = o + scale.toPixels(c.x2, c.y2);
    double length = std::hypot(b.x() - a.x(), b.y() - a.y());
    pieces.push_back({move, a, b, length});
    total += length;
  }
  std::mt19937 random(20261208);
  std::uniform_real_distribution<double> along(0.0, total);
  std::vector<Sampled> points;
  for (int i = 0; i < count; ++i) {
    double at = along(random);
    for (const Piece& p : pieces) {
      if (at > p.length) {
        at -= p.length;
        continue;
      }
      double t = p.length > 0 ? at / p.length : 0;
      QPointF point = p.a + t * (p.b - p.a);
      points.push_back({p.move, point.toPoint()});
      break;
    }
  }
  return points;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  const bool tesseract = argc > 2 && std::string(argv[2]) == "4d";
  std::optional<QSize> client = QGuiApplication::primaryScreen()->availableGeometry().size();
  if (argc > 3) {
    int width = 0, height = 0;
    if (std::string(argv[3]) == "own")
      client.reset();
    else if (std::sscanf(argv[3], "%dx%d", &width, &height) == 2)
      client = QSize(width, height);
  }
  const std::string commandLine = tesseract ? "4" : "";

  std::vector<Sampled> points;
  QSize shown;
  double factor = 1;
  {
    Game game(commandLine, client);
    points = samplePoints(game, tesseract, count);
    shown = game.window->client()->size();
    factor = game.window->scale().factor();
  }
  // A pixel where two lines meet or cross lies on both: a click there drawing either is counted
  // apart, as a meeting point.
  constexpr double kOnLine = 1.0;
  int same = 0, other = 0, nothing = 0, meeting = 0;
  for (const Sampled& p : points) {
    Game game(commandLine, client);
    game.click(p.pixel);
    int drawn = game.drawnLine();
    if (drawn == p.move) {
      ++same;
    } else if (drawn == 0) {
      ++nothing;
      std::printf("  (%d, %d) on line %d drew nothing\n", p.pixel.x(), p.pixel.y(), p.move);
    } else {
      double off = distanceToMove(game, tesseract, drawn, p.pixel);
      if (off <= kOnLine) {
        ++meeting;
      } else {
        ++other;
      }
      std::printf("  (%d, %d) on line %d drew line %d, %.1f px from it\n", p.pixel.x(), p.pixel.y(),
                  p.move, drawn, off);
    }
  }
  auto percent = [&](int n) { return 100.0 * n / static_cast<double>(points.size()); };
  std::printf(
      "%s window, client %dx%d, scale %.3f, %zu points: that line %.1f%%, a line also "
      "through that pixel %.1f%%, another %.1f%%, nothing %.1f%%\n",
      tesseract ? "4D" : "3D", shown.width(), shown.height(), factor, points.size(), percent(same),
      percent(meeting), percent(other), percent(nothing));
  return 0;
}
