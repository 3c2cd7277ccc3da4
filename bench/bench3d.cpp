// Replays whole two-player games on the 3D window through its click targets, on the headless
// platform with its virtual clock (the highlights of completed boxes cost no real time), and
// prints what a move and the after-move procedure cost in processor time.
//
//   dorvan_bench3d [GAMES]     (default 3000 games, a third in each variant)

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <numeric>
#include <random>
#include <sstream>
#include <vector>

#include "forms/application.h"
#include "game3d/lattice_tables.h"
#include "registry/form_registry.h"
#include "script/script_platform.h"
#include "window3d/board_geometry.h"
#include "window3d/dorvan_form.h"

namespace {

using dorvan::forms::Application;
using dorvan::forms::Control;
using dorvan::window3d::DorvanForm;

double cpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// The first click target of every line.
std::vector<int> targetsOfLines() {
  std::vector<int> target(dorvan::game3d::kLineCount + 1, -1);
  for (int k = dorvan::window3d::kTargetCount - 1; k >= 0; --k)
    if (dorvan::window3d::kTargets[k].move != 0) target[dorvan::window3d::kTargets[k].move] = k;
  return target;
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
  Application app(platform, "");
  platform.attach(app);
  dorvan::registry::registerForms(app);
  app.start("Form3");
  auto* window = static_cast<DorvanForm*>(app.activeForm());
  auto click = [&](Control& c) { app.run([&] { app.click(*window, c); }); };

  click(window->at("ip", 1));
  const std::vector<int> target = targetsOfLines();
  std::mt19937 shuffle(2004);
  std::vector<int> order(dorvan::game3d::kLineCount);
  std::iota(order.begin(), order.end(), 1);

  long moves = 0;
  const double start = cpuSeconds();
  for (int game = 0; game < games; ++game) {
    // Between games: a new game that Blue opens leaves the Games menu open for the variant.
    if (window->table("redtomove")->rows[0][0] == 1) click(window->at("new"));
    click(window->at("game", game % 3));
    std::shuffle(order.begin(), order.end(), shuffle);
    platform.queueAnswer("yes", false);
    for (int line : order) {
      click(window->at("Label22", target[line]));
      ++moves;
    }
  }
  const double played = cpuSeconds() - start;

  // The after-move procedure alone, on a position half played with no box left to show.
  click(window->at("new"));
  if (window->table("redtomove")->rows[0][0] == 1) click(window->at("new"));
  click(window->at("game", 0));
  for (int line : {1, 2, 5, 6, 25, 26, 29, 30, 13, 14, 17, 18})
    click(window->at("Label22", target[line]));
  const int repeats = 200000;
  const double before = cpuSeconds();
  for (int i = 0; i < repeats; ++i) window->aftermove();
  const double after = cpuSeconds() - before;

  std::printf("games played:            %d (Merrin, Duomar and Dorvan in turn, two players)\n",
              games);
  std::printf("lines played:            %ld\n", moves);
  std::printf("processor time:          %.3f s\n", played);
  std::printf("moves per second:        %.0f\n", static_cast<double>(moves) / played);
  std::printf("one 54-line game:        %.1f us (with its end and the next game's start)\n",
              played / games * 1e6);
  std::printf("one aftermove:           %.2f us (mean of %d)\n", after / repeats * 1e6, repeats);
  return 0;
}
