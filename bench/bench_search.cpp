// The strong computer: the exact values of the tesseract's openings (solved here, and as the
// game ships them), and whole games against the classic computer on the cube and on the
// tesseract at both levels, with the processor time of each of its moves.
//
//   dorvan_bench_search [GAMES [TABLE_BITS]]
//
// GAMES per board and variant (default 20; half of them opened by the strong computer); 0 skips
// the games. TABLE_BITS sizes the openings' table (2^bits entries of 24 bytes, default 23);
// 0 skips the openings. The full run of the notes is `dorvan_bench_search 1000 25`.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "common/random_source.h"
#include "game3d/board.h"
#include "game4d/board.h"
#include "rules/computer.h"
#include "search/search.h"

namespace {

using namespace dorvan;
using rules::Variant;
using search::Board;
using search::Lines;

double cpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

const char* variantName(Variant variant) {
  return variant == Variant::kDorvan ? "Dorvan" : "Merrin";
}

void printOpening(Variant variant, bool half, int tableBits) {
  const Board& board = search::tesseractBoard(variant, half);
  search::Solver solver(tableBits);
  const double start = cpuSeconds();
  const search::Verdict verdict = solver.solve(board, {}, 4'000'000'000L);
  const double seconds = cpuSeconds() - start;
  const int boxes = search::boxMargin(verdict.value);
  std::printf("%-7s %-6s  %+4d boxes %+7d points  %-28s %8.1f s %12ld %10.0f\n",
              variantName(variant), half ? "half" : "normal", boxes,
              search::pointsMargin(verdict.value),
              boxes < 0   ? "the second player wins"
              : boxes > 0 ? "the first player wins"
                          : "a draw by boxes",
              seconds, verdict.nodes, verdict.nodes / std::max(seconds, 1e-9));
}

// The solved openings the game ships, and the opening's value as they hold it.
void printShipped() {
  std::printf("\nShipped solved openings (Merrin):\n");
  for (bool half : {false, true}) {
    const search::SolvedOpenings* openings =
        search::tesseractBoard(Variant::kMerrin, half).openings.get();
    if (openings == nullptr) {
      std::printf("%-6s  none\n", half ? "half" : "normal");
      continue;
    }
    const int value = openings->valueOf(0).value_or(0);
    std::printf("%-6s  up to %2d lines drawn, %7zu positions, opening %+d boxes %+d points\n",
                half ? "half" : "normal", openings->table.depth(), openings->table.size(),
                search::boxMargin(value), search::pointsMargin(value));
  }
}

// The classic computer of each board, fed every drawn line.
class Classic {
 public:
  Classic(bool cube, Variant variant, bool half, RandomSource& random)
      : board_(cube ? game3d::kBoard : game4d::kBoard),
        policy_(cube ? rules::ComputerPolicy{} : game4d::computerPolicy(variant, half)),
        variant_(variant),
        random_(random) {}
  void record(int line, rules::Side side) { position_.draw(line, side, rules::marksOf(variant_)); }
  int choose() {
    return rules::chooseComputerMove(board_, position_, variant_, policy_,
                                     [this] { return random_.next(); })
        .line;
  }

 private:
  const rules::Board& board_;
  rules::ComputerPolicy policy_;
  Variant variant_;
  RandomSource& random_;
  rules::Position position_;
};

struct Tally {
  int wins = 0, draws = 0, losses = 0;
  long margin = 0;
  int verdictsDiffer = 0;
  int wonPositionsLost = 0;  // games where an exact search saw a win that did not come
  int exactMoves = 0;        // moves decided by the solved openings or an exact search
  std::vector<double> moveSeconds;
};

int sign(long value) {
  return (value > 0) - (value < 0);
}

// The boards of the games: the cube, and the tesseract at its normal and its half level.
enum class Arena { kTesseract, kTesseractHalf, kCube };

const char* arenaName(Arena arena) {
  return arena == Arena::kCube ? "cube" : arena == Arena::kTesseract ? "tesseract" : "tess. half";
}

void playGame(Arena arena, Variant variant, bool strongOpens, RandomSource& random, Tally& tally) {
  const bool cube = arena == Arena::kCube;
  const bool half = arena == Arena::kTesseractHalf;
  const Board& board = cube ? search::cubeBoard(variant) : search::tesseractBoard(variant, half);
  Classic classic(cube, variant, half, random);
  Lines drawn = 0;
  int boxes = 0, points = 0;  // the strong computer's margins so far
  bool strongToMove = strongOpens;
  bool sawWin = false;
  while ((board.playable & ~drawn) != 0) {
    int line;
    if (strongToMove) {
      const double start = cpuSeconds();
      const search::Choice choice = search::strongLine(board, {drawn, 0});
      tally.moveSeconds.push_back(cpuSeconds() - start);
      if (choice.exact && boxes + search::boxMargin(choice.value) > 0) sawWin = true;
      tally.exactMoves += choice.exact;
      line = choice.line;
    } else {
      line = classic.choose();
    }
    const Lines bit = search::lineBit(line);
    int completed = 0;
    for (int box : board.boxesOfLine[line - 1]) completed += (board.boxes[box] & ~drawn) == bit;
    drawn |= bit;
    classic.record(line, strongToMove ? rules::kBlue : rules::kRed);
    const int side = strongToMove ? 1 : -1;
    boxes += side * completed;
    points += side * search::kPointsInThousands[completed] * 1000;
    if (completed == 0) strongToMove = !strongToMove;
  }
  if (boxes > 0)
    ++tally.wins;
  else if (boxes == 0)
    ++tally.draws;
  else
    ++tally.losses;
  tally.margin += boxes;
  if (sign(boxes) != sign(points)) ++tally.verdictsDiffer;
  if (sawWin && boxes <= 0) ++tally.wonPositionsLost;
}

double percentile(std::vector<double> values, double share) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
}

void printGames(int games) {
  std::printf(
      "\nAgainst the classic computer, %d games per row (half opened by each side),\n"
      "by boxes; time per move of the strong computer in processor milliseconds:\n",
      games);
  std::printf("%-10s %-7s %5s %5s %5s %8s %7s %9s %5s %7s %8s %8s\n", "board", "variant", "wins",
              "draws", "losses", "win %", "margin", "verdicts", "lost", "exact", "median", "worst");
  RandomSource random;
  for (Arena arena : {Arena::kTesseract, Arena::kTesseractHalf, Arena::kCube}) {
    for (Variant variant : {Variant::kMerrin, Variant::kDorvan}) {
      Tally tally;
      for (int game = 0; game < games; ++game)
        playGame(arena, variant, game % 2 == 0, random, tally);
      const double moves = static_cast<double>(std::max<std::size_t>(tally.moveSeconds.size(), 1));
      std::printf("%-10s %-7s %5d %5d %6d %7.1f%% %+7.2f %9d %5d %6.1f%% %8.1f %8.1f\n",
                  arenaName(arena), variantName(variant), tally.wins, tally.draws, tally.losses,
                  100.0 * tally.wins / std::max(games, 1),
                  static_cast<double>(tally.margin) / std::max(games, 1), tally.verdictsDiffer,
                  tally.wonPositionsLost, 100.0 * tally.exactMoves / moves,
                  1000 * percentile(tally.moveSeconds, 0.5),
                  1000 * percentile(tally.moveSeconds, 1.0));
    }
  }
  std::printf(
      "(verdicts: games whose winner by points is not the winner by boxes; lost: games\n"
      " where an exact search saw a win for the strong computer that it did not keep;\n"
      " exact: moves decided by the solved openings or by a search to the end of the game)\n");
}

}  // namespace

int main(int argc, char** argv) {
  const int games = argc > 1 ? std::max(0, std::atoi(argv[1])) : 20;
  const int tableBits = argc > 2 ? std::clamp(std::atoi(argv[2]), 0, 30) : 23;
  if (tableBits > 0) {
    std::printf(
        "The tesseract's opening under perfect play (the first player's margin), a table\n"
        "of 2^%d entries, processor time:\n",
        tableBits);
    std::printf("%-7s %-6s  %-25s %-28s %10s %12s %10s\n", "variant", "level", "value", "verdict",
                "time", "positions", "per second");
    for (Variant variant : {Variant::kMerrin, Variant::kDorvan})
      for (bool half : {false, true}) printOpening(variant, half, tableBits);
  }
  printShipped();
  if (games > 0) printGames(games);
}
