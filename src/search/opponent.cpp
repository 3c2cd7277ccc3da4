#include "search/opponent.h"

#include <bit>
#include <optional>

#include "search/openings.h"
#include "search/playouts.h"
#include "search/value.h"

namespace dorvan::search {
namespace {

// One table per thread, allocated at the first search and emptied for each.
Solver& solver() {
  thread_local Solver solver;
  return solver;
}

// Within the solved openings every line's worth is looked up; at their last depth the
// position's value is known, and a search only has to find a line that keeps it.
std::optional<Choice> openingLine(const Board& board, Node node) {
  const SolvedOpenings* openings = board.openings.get();
  if (openings == nullptr) return std::nullopt;
  const int drawn = std::popcount(node.drawn);
  const int depth = openings->table.depth();
  if (drawn < depth) {
    Choice best;
    for (Lines free = board.playable & ~node.drawn; free != 0; free &= free - 1) {
      const int bit = std::countr_zero(free);
      const std::optional<int> next = openings->valueOf(node.drawn | (Lines{1} << bit));
      if (!next) return std::nullopt;
      const int completed = completedBy(board, node, bit);
      const int worth = worthOfLine(completed, *next);
      if (best.line == 0 || worth > best.value) best = {bit + 1, true, worth, 0};
    }
    return best;
  }
  if (drawn == depth) {
    const std::optional<int> value = openings->valueOf(node.drawn);
    if (!value) return std::nullopt;
    const Verdict verdict = solver().solve(board, node, board.plan.nodeBudget, value);
    if (verdict.exact) return Choice{verdict.line, true, verdict.value, verdict.nodes};
  }
  return std::nullopt;
}

}  // namespace

Choice strongLine(const Board& board, Node node) {
  const int freeCount = std::popcount(board.playable & ~node.drawn);
  if (freeCount == 0) return {};
  if (const std::optional<Choice> opening = openingLine(board, node)) return *opening;
  if (freeCount <= board.plan.exactFrom) {
    const Verdict verdict = solver().solve(board, node, board.plan.nodeBudget);
    if (verdict.exact) return {verdict.line, true, verdict.value, verdict.nodes};
  }
  return {bestByPlayouts(board, node, board.plan.playoutsPerLine), false, 0, 0};
}

rules::ComputerMove strongMove(const Board& board, Node node) {
  rules::ComputerMove move;
  move.line = strongLine(board, node).line;
  if (move.line == 0) return move;
  move.play = completedBy(board, node, move.line - 1) > 0 ? rules::ComputerPlay::kTake
                                                          : rules::ComputerPlay::kSafe;
  return move;
}

}  // namespace dorvan::search
