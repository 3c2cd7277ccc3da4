// Times the computer's choice of line in the 3D game over many positions of every stage of a
// game, in both variants it plays, and prints microseconds per decision (processor time).
//
//   dorvan_bench_computer [POSITIONS]     (default 200000 per variant)

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <numeric>
#include <random>
#include <vector>

#include "common/random_source.h"
#include "game3d/board.h"
#include "rules/computer.h"

namespace {

using namespace dorvan::rules;
using dorvan::game3d::kBoard;
using dorvan::game3d::kLineCount;

double cpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Positions with 0 to 53 lines drawn in a shuffled order, alternating the sides.
std::vector<Position> positions(Variant variant, int count, std::mt19937& rng) {
  std::vector<int> order(kLineCount);
  std::iota(order.begin(), order.end(), 1);
  std::vector<Position> result;
  result.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    std::shuffle(order.begin(), order.end(), rng);
    Position position;
    const int drawn = i % kLineCount;
    for (int k = 0; k < drawn; ++k) position.draw(order[k], k % 2 ? kRed : kBlue, marksOf(variant));
    result.push_back(position);
  }
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::max(54, std::atoi(argv[1])) : 200000;
  std::mt19937 rng(2004);
  dorvan::RandomSource random;
  auto draw = [&] { return random.next(); };
  std::printf("positions per variant:   %d (0 to 53 lines drawn, evenly)\n", count);
  for (Variant variant : {Variant::kMerrin, Variant::kDorvan}) {
    const std::vector<Position> all = positions(variant, count, rng);
    long plays[4] = {};
    const double start = cpuSeconds();
    for (const Position& position : all)
      ++plays[static_cast<int>(chooseComputerMove(kBoard, position, variant, {}, draw).play)];
    const double seconds = cpuSeconds() - start;
    std::printf("%-8s one decision:   %.3f us  (takes %ld, safe %ld, any free %ld)\n",
                variant == Variant::kMerrin ? "Merrin" : "Dorvan", seconds / count * 1e6,
                plays[static_cast<int>(ComputerPlay::kTake)],
                plays[static_cast<int>(ComputerPlay::kSafe)],
                plays[static_cast<int>(ComputerPlay::kAnyFree)]);
  }
  return 0;
}
