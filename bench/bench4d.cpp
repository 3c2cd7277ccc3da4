// Replays whole two-player games on the tesseract window through its click targets, on the
// headless platform with its virtual clock (the flashes of completed units cost no real time),
// and times one decision of the 4D computer on positions from those games.
//
//   dorvan_bench4d [GAMES]     (default 3000 games, a third in each variant)

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <numeric>
#include <random>
#include <sstream>
#include <vector>

#include "common/random_source.h"
#include "forms/application.h"
#include "game4d/board.h"
#include "registry/form_registry.h"
#include "rules/computer.h"
#include "rules/game.h"
#include "script/script_platform.h"
#include "window4d/click_targets.h"
#include "window4d/form2.h"

namespace {

using dorvan::forms::Application;
using dorvan::forms::Control;
using dorvan::window4d::Form2;

double cpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// A transcript nobody reads: the figures are the output.
class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

}  // namespace

int main(int argc, char** argv) {
  const int games = argc > 1 ? std::max(3, std::atoi(argv[1])) : 3000;
  NullBuffer sink;
  std::ostream transcript(&sink);
  dorvan::script::ScriptPlatform platform(transcript);
  Application app(platform, "4");
  platform.attach(app);
  dorvan::registry::registerForms(app);
  app.start("Form3");
  auto* window = static_cast<Form2*>(app.activeForm());
  auto click = [&](Control& c) { app.run([&] { app.click(*window, c); }); };

  click(window->at("ip", 1));
  std::mt19937 shuffle(2004);
  std::vector<int> order(dorvan::game4d::kLineCount);
  std::iota(order.begin(), order.end(), 1);

  long moves = 0;
  const double start = cpuSeconds();
  for (int game = 0; game < games; ++game) {
    // A game that Red opened closed the menus at once; a second "New" gives Blue the opening.
    if (!window->at("opmef").enabled) click(window->at("gmen", 1));
    click(window->at("game", game % 3));
    std::shuffle(order.begin(), order.end(), shuffle);
    platform.queueAnswer("yes", false);
    for (int line : order) {
      click(window->at("Label2", *dorvan::window4d::label2Elements(line).begin()));
      ++moves;
    }
  }
  const double played = cpuSeconds() - start;

  // One decision of the computer, on the positions of a game half played in random order.
  namespace rules = dorvan::rules;
  const rules::Board& board = dorvan::game4d::kBoard;
  std::vector<rules::Position> positions;
  for (int k = 0; k < 1000; ++k) {
    rules::Game g;
    std::shuffle(order.begin(), order.end(), shuffle);
    for (int i = 0; i < 4 + k % 24; ++i) {
      rules::passTurn(g);
      rules::drawLine(g, order[i], rules::Marks::kBoth);
      rules::scoreMove(board, g);
    }
    positions.push_back(g.position);
  }
  dorvan::RandomSource random;
  const rules::RandomDraw draw = [&random] { return random.next(); };
  const int repeats = 200;
  long checksum = 0;
  const double before = cpuSeconds();
  for (int r = 0; r < repeats; ++r) {
    for (const auto& p : positions) {
      const auto variant = r % 2 ? rules::Variant::kDorvan : rules::Variant::kMerrin;
      checksum += rules::chooseComputerMove(board, p, variant,
                                            dorvan::game4d::computerPolicy(variant, false), draw)
                      .line;
    }
  }
  const double decided = cpuSeconds() - before;
  const double decisions = static_cast<double>(repeats) * static_cast<double>(positions.size());

  std::printf("games played:            %d (Merrin, Duomar and Dorvan in turn, two players)\n",
              games);
  std::printf("lines played:            %ld\n", moves);
  std::printf("processor time:          %.3f s\n", played);
  std::printf("moves per second:        %.0f\n", static_cast<double>(moves) / played);
  std::printf("one 32-line game:        %.1f us (with its end and the next game's start)\n",
              played / games * 1e6);
  std::printf("one computer decision:   %.3f us (mean of %.0f, Merrin and Dorvan; checksum %ld)\n",
              decided / decisions * 1e6, decisions, checksum);
  return 0;
}
