#include "search/solver.h"

#include <algorithm>
#include <bit>

#include "search/value.h"

namespace dorvan::search {
namespace {

constexpr int kInfinity = 30000;

// Below this many free lines a position is stored as it is: finding its symmetric form would
// cost more than the positions it saves.
constexpr int kSymmetricFrom = 8;

Lines bitOf(int bit) {
  return Lines{1} << bit;
}

std::uint64_t mixed(Lines drawn, Lines mine) {
  std::uint64_t h =
      drawn * 0x9E3779B97F4A7C15ull ^ (mine + 0x632BE59BD9B4E019ull) * 0xBF58476D1CE4E5B9ull;
  return h ^ (h >> 29);
}

}  // namespace

Solver::Solver(int tableBits)
    : table_(std::size_t{1} << tableBits), candidates_(std::size_t{1} << kCandidateBits) {}

Verdict Solver::solve(const Board& board, Node node, long nodeBudget,
                      std::optional<int> knownValue) {
  board_ = &board;
  std::fill(table_.begin(), table_.end(), Entry{});
  for (Candidates& kept : candidates_) kept.valid = false;
  nodes_ = 0;
  budget_ = nodeBudget;
  outOfBudget_ = false;
  Verdict verdict;
  int bestBit = -1;
  const int low = knownValue ? *knownValue - 1 : -kInfinity;
  const int high = knownValue ? *knownValue + 1 : kInfinity;
  verdict.value = search(node, low, high, &bestBit);
  verdict.nodes = nodes_;
  verdict.exact = !outOfBudget_ && (!knownValue || verdict.value == *knownValue);
  verdict.line = verdict.exact && bestBit >= 0 ? bestBit + 1 : 0;
  if (!verdict.exact) verdict.value = 0;
  return verdict;
}

// The most the rest of the game can be worth: every box still open won, at the best points a
// box can bring (2.5 thousand).
int Solver::bound(Node node) const {
  int open = 0;
  for (Lines box : board_->boxes) {
    if ((box & ~node.drawn) == 0) continue;
    if (board_->ownLines) {
      const Lines drawn = box & node.drawn;
      if ((drawn & node.mine) != 0 && (drawn & ~node.mine) != 0) continue;  // nobody can have it
    }
    ++open;
  }
  return open * kBoxWeight + (open * 5 + 1) / 2;
}

Solver::Key Solver::keyOf(Node node) const {
  const Board& board = *board_;
  const int freeCount = std::popcount(board.playable & ~node.drawn);
  if (board.symmetries.empty() || freeCount < kSymmetricFrom)
    return {node.drawn, node.mine, nullptr};

  GroupCounts counts{};
  for (std::size_t g = 0; g < board.groups.size(); ++g) {
    counts[g] = std::popcount(node.drawn & board.groups[g]) * 16 +
                std::popcount(node.mine & board.groups[g]);
  }
  Key best{~Lines{0}, ~Lines{0}, nullptr};
  for (int s : candidatesFor(counts)) {
    const Symmetry& symmetry = board.symmetries[static_cast<std::size_t>(s)];
    const Lines drawn = symmetry.apply(node.drawn);
    if (drawn > best.drawn) continue;
    const Lines mine = symmetry.apply(node.mine);
    if (drawn < best.drawn || mine < best.mine) best = {drawn, mine, &symmetry};
  }
  return best;
}

// A symmetric image is stored in the form whose groups, read in order, hold the most drawn
// lines; only the symmetries that bring to the front the fullest of the groups that can go
// there can give it. Which those are depends on the groups' counts alone, and positions share
// counts far more often than not, so the answer is kept.
const std::vector<int>& Solver::candidatesFor(const GroupCounts& counts) const {
  std::uint64_t hash = 0;
  for (int count : counts) hash = (hash ^ static_cast<std::uint64_t>(count)) * 0x100000001B3ull;
  Candidates& kept = candidates_[(hash * 0x9E3779B97F4A7C15ull) >> (64 - kCandidateBits)];
  if (kept.valid && kept.counts == counts) return kept.symmetries;

  const Board& board = *board_;
  const std::size_t groups = board.groups.size();
  int fullest = -1;
  for (std::size_t g = 0; g < groups; ++g)
    if (!board.symmetriesSendingGroupFirst[g].empty()) fullest = std::max(fullest, counts[g]);
  auto signatureUnder = [&](const Symmetry& symmetry) {
    std::uint64_t signature = 0;
    for (std::size_t h = 0; h < groups; ++h)
      signature |= std::uint64_t(counts[h]) << (8 * (7 - symmetry.groupImage[h]));
    return signature;
  };
  std::uint64_t bestSignature = 0;
  for (std::size_t g = 0; g < groups; ++g) {
    if (counts[g] != fullest) continue;
    for (int s : board.symmetriesSendingGroupFirst[g])
      bestSignature = std::max(bestSignature, signatureUnder(board.symmetries[s]));
  }
  kept.valid = true;
  kept.counts = counts;
  kept.symmetries.clear();
  for (std::size_t g = 0; g < groups; ++g) {
    if (counts[g] != fullest) continue;
    for (int s : board.symmetriesSendingGroupFirst[g])
      if (signatureUnder(board.symmetries[s]) == bestSignature) kept.symmetries.push_back(s);
  }
  return kept.symmetries;
}

// Two entries a bucket: the first keeps the position with the most free lines (the costliest to
// search again), the second whatever came last.
const Solver::Entry* Solver::find(const Key& key) const {
  const std::size_t bucket = mixed(key.drawn, key.mine) & (table_.size() - 2);
  for (std::size_t k = bucket; k < bucket + 2; ++k) {
    const Entry& entry = table_[k];
    if (entry.used && entry.drawn == key.drawn && entry.mine == key.mine) return &entry;
  }
  return nullptr;
}

Solver::Entry& Solver::place(const Key& key) {
  const std::size_t bucket = mixed(key.drawn, key.mine) & (table_.size() - 2);
  Entry& deep = table_[bucket];
  Entry& recent = table_[bucket + 1];
  if (deep.used && deep.drawn == key.drawn && deep.mine == key.mine) return deep;
  if (recent.used && recent.drawn == key.drawn && recent.mine == key.mine) return recent;
  if (!deep.used || std::popcount(key.drawn) <= std::popcount(deep.drawn)) {
    recent = deep;
    deep = Entry{key.drawn, key.mine, -kInfinity, kInfinity, 0, true};
    return deep;
  }
  recent = Entry{key.drawn, key.mine, -kInfinity, kInfinity, 0, true};
  return recent;
}

int Solver::orderMoves(Node node, Move* moves, int preferredBit) const {
  const Board& board = *board_;
  int count = 0;
  for (Lines free = board.playable & ~node.drawn; free != 0; free &= free - 1) {
    const int bit = std::countr_zero(free);
    const int completed = completedBy(board, node, bit);
    // A line that completes every box it lies in changes nothing else and keeps the move:
    // taking it at once is never worse.
    if (board.moveAgain && completed > 0 &&
        completed == static_cast<int>(board.boxesOfLine[bit].size())) {
      moves[0] = {bit, completed, 0};
      return 1;
    }
    int order;
    if (completed > 0) {
      order = 8 - completed;
    } else {
      int handedOver = 0;  // boxes this line leaves one line short
      for (int box : board.boxesOfLine[bit])
        if (std::popcount(board.boxes[box] & ~node.drawn) == 2) ++handedOver;
      order = handedOver == 0 ? 16 : 32 + handedOver;
    }
    if (bit == preferredBit) order = -1;
    moves[count++] = {bit, completed, order};
  }
  // Few moves, mostly in order already: an insertion sort, stable so that ties keep line order.
  for (int i = 1; i < count; ++i) {
    const Move move = moves[i];
    int j = i;
    for (; j > 0 && moves[j - 1].order > move.order; --j) moves[j] = moves[j - 1];
    moves[j] = move;
  }
  return count;
}

int Solver::search(Node node, int alpha, int beta, int* bestBit) {
  if (outOfBudget_) return 0;
  if (++nodes_ > budget_) {
    outOfBudget_ = true;
    return 0;
  }
  const Board& board = *board_;
  if ((board.playable & ~node.drawn) == 0) return 0;
  const int most = bound(node);
  if (most <= alpha) return most;
  if (-most >= beta) return -most;

  const Key key = keyOf(node);
  int preferredBit = -1;
  if (const Entry* entry = find(key)) {
    if (entry->lower >= beta) return entry->lower;
    if (entry->upper <= alpha) return entry->upper;
    if (entry->lower == entry->upper && bestBit == nullptr) return entry->lower;
    alpha = std::max<int>(alpha, entry->lower);
    beta = std::min<int>(beta, entry->upper);
    if (entry->move != 0) {
      const int stored = entry->move - 1;
      preferredBit = key.symmetry ? key.symmetry->preimage[stored] : stored;
    }
  }
  const int alphaIn = alpha;

  Move moves[64];
  const int count = orderMoves(node, moves, preferredBit);
  int best = -kInfinity;
  int best_bit = -1;
  for (int i = 0; i < count; ++i) {
    const Move& move = moves[i];
    const Lines drawn = node.drawn | bitOf(move.bit);
    int value;
    if (move.completed > 0 && board.moveAgain) {
      const int gain = gainOf(move.completed);
      value = gain + search({drawn, 0}, alpha - gain, beta - gain, nullptr);
    } else {
      const int gain = gainOf(move.completed);
      const Node next{drawn, board.ownLines ? node.drawn & ~node.mine : 0};
      value = gain - search(next, gain - beta, gain - alpha, nullptr);
    }
    if (outOfBudget_) return 0;
    if (value > best) {
      best = value;
      best_bit = move.bit;
      if (value > alpha) alpha = value;
      if (alpha >= beta) break;
    }
  }

  Entry& stored = place(key);
  if (best <= alphaIn) {
    stored.upper = static_cast<std::int16_t>(std::min<int>(stored.upper, best));
  } else if (best >= beta) {
    stored.lower = static_cast<std::int16_t>(std::max<int>(stored.lower, best));
  } else {
    stored.lower = stored.upper = static_cast<std::int16_t>(best);
  }
  if (best_bit >= 0) {
    stored.move =
        static_cast<std::uint8_t>(1 + (key.symmetry ? key.symmetry->image[best_bit] : best_bit));
  }
  if (bestBit != nullptr) *bestBit = best_bit;
  return best;
}

}  // namespace dorvan::search
