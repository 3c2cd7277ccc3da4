#include "search/opponent.h"

#include <bit>

#include "search/playouts.h"

namespace dorvan::search {

Choice strongLine(const Board& board, Node node) {
  const int freeCount = std::popcount(board.playable & ~node.drawn);
  if (freeCount == 0) return {};
  if (freeCount <= board.plan.exactFrom) {
    // One table per thread, allocated at the first search and emptied for each.
    thread_local Solver solver;
    const Verdict verdict = solver.solve(board, node, board.plan.nodeBudget);
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
