// Where the exact search fits a move's budget: positions of a solved game, sampled by the
// number of lines drawn, searched from scratch and knowing their value, in positions searched
// and processor time. The strong computer's solved openings end where these figures fit.
//
//   dorvan_bench_openings FILE merrin|dorvan normal|half FIRST LAST [SAMPLES]
//
// FILE is written by `dorvan_make_openings` with a depth of at least LAST; SAMPLES per depth
// (default 200) are drawn evenly from all the positions of that depth. Every search must also
// find the value the file holds.

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

#include "search/boards.h"
#include "search/openings.h"
#include "search/solver.h"

namespace {

using namespace dorvan::search;

double cpuMilliseconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct Sample {
  std::vector<long> nodes;
  std::vector<double> milliseconds;
  void add(const Verdict& verdict, double ms) {
    nodes.push_back(verdict.nodes);
    milliseconds.push_back(ms);
  }
  void print(const char* how) {
    std::sort(nodes.begin(), nodes.end());
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("  %-6s median %8ld worst %8ld positions, median %6.1f worst %6.1f ms", how,
                nodes[nodes.size() / 2], nodes.back(), milliseconds[milliseconds.size() / 2],
                milliseconds.back());
  }
};

}  // namespace

int main(int argc, char** argv) {
  const Board* board = argc >= 6 ? tesseractBoardNamed(argv[2], argv[3]) : nullptr;
  if (board == nullptr) {
    std::fprintf(stderr,
                 "usage: dorvan_bench_openings FILE merrin|dorvan normal|half FIRST LAST "
                 "[SAMPLES]\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), {});
  const Openings table = Openings::decode(bytes);
  if (table.depth() < 0) {
    std::fprintf(stderr, "%s: not a table of solved positions\n", argv[1]);
    return 2;
  }
  const int first = std::atoi(argv[4]);
  const int last = std::min(std::atoi(argv[5]), table.depth());
  const std::size_t samples = argc > 6 ? static_cast<std::size_t>(std::atoi(argv[6])) : 200;

  std::vector<std::vector<Lines>> byDepth(65);
  for (Lines key : table.positions()) byDepth[std::popcount(key)].push_back(key);
  std::mt19937_64 random(1);
  Solver solver(18);
  int wrong = 0;
  for (int depth = first; depth <= last; ++depth) {
    const std::vector<Lines>& positions = byDepth[static_cast<std::size_t>(depth)];
    if (positions.empty()) continue;
    Sample scratch, knowing;
    for (std::size_t k = 0; k < samples; ++k) {
      const Lines drawn = positions[random() % positions.size()];
      const int value = *table.valueOf(drawn);
      double start = cpuMilliseconds();
      const Verdict full = solver.solve(*board, {drawn, 0}, 4'000'000'000L);
      scratch.add(full, cpuMilliseconds() - start);
      start = cpuMilliseconds();
      const Verdict known = solver.solve(*board, {drawn, 0}, 4'000'000'000L, value);
      knowing.add(known, cpuMilliseconds() - start);
      wrong += full.value != value || !known.exact;
    }
    std::printf("%2d lines drawn, %zu samples of %zu\n", depth, samples, positions.size());
    scratch.print("full");
    std::printf("\n");
    knowing.print("known");
    std::printf("\n");
  }
  std::printf("searches that did not find the file's value: %d\n", wrong);
  return wrong == 0 ? 0 : 1;
}
