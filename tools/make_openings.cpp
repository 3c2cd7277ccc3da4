// Solves a tesseract game whole and writes the exact values of its openings for the game to
// ship: every position with at most DEPTH lines drawn, up to symmetry.
//
//   dorvan_make_openings merrin|dorvan normal|half DEPTH FILE
//
// Every position of the game is valued once, from the end back (a memoised negamax without
// pruning), so the positions kept are exact whatever their bounds would be in a search. The
// tesseract has about 11 million positions up to symmetry: some ten minutes and 600 MB.

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <vector>

#include "search/boards.h"
#include "search/openings.h"
#include "search/value.h"

namespace {

using namespace dorvan::search;

// Canonical positions and their values, open addressing; the empty key is all lines drawn,
// which is never stored (nothing is left to play).
class Memo {
 public:
  explicit Memo(Lines empty) : empty_(empty) { resize(std::size_t{1} << 20); }

  std::int16_t* find(Lines key) {
    std::size_t slot = slotOf(key);
    return keys_[slot] == key ? &values_[slot] : nullptr;
  }
  void put(Lines key, int value) {
    if (2 * (count_ + 1) > keys_.size()) resize(2 * keys_.size());
    const std::size_t slot = slotOf(key);
    if (keys_[slot] != key) ++count_;
    keys_[slot] = key;
    values_[slot] = static_cast<std::int16_t>(value);
  }
  template <typename Visit>
  void forEach(Visit visit) const {
    for (std::size_t k = 0; k < keys_.size(); ++k)
      if (keys_[k] != empty_) visit(keys_[k], values_[k]);
  }
  std::size_t size() const { return count_; }

 private:
  std::size_t slotOf(Lines key) const {
    std::size_t slot = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 17);
    for (slot &= keys_.size() - 1; keys_[slot] != empty_ && keys_[slot] != key;)
      slot = (slot + 1) & (keys_.size() - 1);
    return slot;
  }
  void resize(std::size_t size) {
    std::vector<Lines> keys(size, empty_);
    std::vector<std::int16_t> values(size);
    keys.swap(keys_);
    values.swap(values_);
    count_ = 0;
    for (std::size_t k = 0; k < keys.size(); ++k)
      if (keys[k] != empty_) put(keys[k], values[k]);
  }

  Lines empty_;
  std::vector<Lines> keys_;
  std::vector<std::int16_t> values_;
  std::size_t count_ = 0;
};

class Enumeration {
 public:
  explicit Enumeration(const Board& board) : board_(board), form_(board), memo_(board.playable) {}

  // What the rest of the game is worth to the side to move.
  int value(Lines drawn) {
    const Lines free = board_.playable & ~drawn;
    if (free == 0) return 0;
    const Lines key = form_(drawn);
    if (const std::int16_t* known = memo_.find(key)) return *known;
    int best = -30000;
    for (Lines rest = free; rest != 0; rest &= rest - 1) {
      const int bit = std::countr_zero(rest);
      const int completed = completedBy(board_, {drawn, 0}, bit);
      const Lines next = drawn | (Lines{1} << bit);
      const int worth = worthOfLine(completed, value(next));
      if (worth > best) best = worth;
    }
    memo_.put(key, best);
    return best;
  }

  Openings openings(int depth) const {
    std::vector<std::pair<Lines, int>> entries;
    memo_.forEach([&](Lines key, int value) {
      if (std::popcount(key) <= depth) entries.emplace_back(key, value);
    });
    return Openings(depth, std::move(entries));
  }
  std::size_t positions() const { return memo_.size(); }

 private:
  const Board& board_;
  CanonicalForm form_;
  Memo memo_;
};

}  // namespace

int main(int argc, char** argv) {
  const Board* board = argc == 5 ? tesseractBoardNamed(argv[1], argv[2]) : nullptr;
  if (board == nullptr) {
    std::fprintf(stderr, "usage: dorvan_make_openings merrin|dorvan normal|half DEPTH FILE\n");
    return 2;
  }
  const int depth = std::atoi(argv[3]);
  const std::clock_t start = std::clock();
  Enumeration enumeration(*board);
  const int opening = enumeration.value(0);
  const Openings openings = enumeration.openings(depth);
  const std::vector<unsigned char> bytes = openings.encode();
  std::ofstream(argv[4], std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
  std::printf("opening %+d boxes %+d points; %zu positions solved in %.0f s; %zu kept, %zu bytes\n",
              boxMargin(opening), pointsMargin(opening), enumeration.positions(),
              double(std::clock() - start) / CLOCKS_PER_SEC, openings.size(), bytes.size());
}
