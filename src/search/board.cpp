#include "search/board.h"

#include <algorithm>
#include <functional>

namespace dorvan::search {
namespace {

// More symmetries than this, and the board is searched without them: only a toy board has so
// many, and trying them all would cost more than it saves.
constexpr std::size_t kMostSymmetries = 4096;

// How strongly two lines are tied: the boxes they share, and (weighted apart) the groups.
using Ties = std::array<std::array<int, 64>, 64>;

Ties tiesOf(const Board& board) {
  Ties ties{};
  auto add = [&](Lines set, int weight) {
    for (Lines a = set; a != 0; a &= a - 1)
      for (Lines b = set; b != 0; b &= b - 1)
        ties[std::countr_zero(a)][std::countr_zero(b)] += weight;
  };
  for (Lines box : board.boxes) add(box & board.playable, 1);
  for (Lines group : board.groups) add(group & board.playable, 100);
  for (Lines shape : board.shapes) add(shape & board.playable, 10000);
  return ties;
}

// The playable lines, each after one it shares a box with where possible, so that a partial
// permutation is checked against its neighbours early.
std::vector<int> searchOrder(const Board& board, const Ties& ties) {
  std::vector<int> order;
  Lines left = board.playable;
  while (left != 0) {
    order.push_back(std::countr_zero(left));
    left &= left - 1;
    for (std::size_t k = order.size() - 1; k < order.size(); ++k) {
      for (Lines rest = left; rest != 0; rest &= rest - 1) {
        const int line = std::countr_zero(rest);
        if (ties[order[k]][line] != 0) {
          order.push_back(line);
          left &= ~(Lines{1} << line);
        }
      }
    }
  }
  return order;
}

bool mapsOnto(const std::vector<Lines>& sets, Lines playable, const Symmetry& s) {
  for (Lines set : sets) {
    const Lines image = s.apply(set & playable);
    if (std::none_of(sets.begin(), sets.end(),
                     [&](Lines other) { return (other & playable) == image; }))
      return false;
  }
  return true;
}

std::vector<Symmetry> symmetriesOf(const Board& board) {
  const Ties ties = tiesOf(board);
  const std::vector<int> order = searchOrder(board, ties);
  std::vector<Symmetry> found;
  Symmetry current;
  for (int bit = 0; bit < 64; ++bit) current.image[bit] = static_cast<std::uint8_t>(bit);
  Lines used = 0;
  bool tooMany = false;

  std::function<void(std::size_t)> extend = [&](std::size_t k) {
    if (tooMany) return;
    if (k == order.size()) {
      if (!mapsOnto(board.boxes, board.playable, current) ||
          !mapsOnto(board.groups, board.playable, current) ||
          !mapsOnto(board.shapes, board.playable, current))
        return;
      if (found.size() == kMostSymmetries) {
        tooMany = true;
        return;
      }
      found.push_back(current);
      return;
    }
    const int line = order[k];
    for (Lines options = board.playable & ~used; options != 0; options &= options - 1) {
      const int to = std::countr_zero(options);
      if (ties[line][line] != ties[to][to]) continue;
      bool fits = true;
      for (std::size_t p = 0; p < k && fits; ++p)
        fits = ties[line][order[p]] == ties[to][current.image[order[p]]];
      if (!fits) continue;
      current.image[line] = static_cast<std::uint8_t>(to);
      used |= Lines{1} << to;
      extend(k + 1);
      used &= ~(Lines{1} << to);
    }
  };
  extend(0);
  if (tooMany) return {};
  return found;
}

void indexGroups(Board& board) {
  board.symmetriesSendingGroupFirst.assign(board.groups.size(), {});
  for (std::size_t s = 0; s < board.symmetries.size(); ++s) {
    Symmetry& symmetry = board.symmetries[s];
    for (int bit = 0; bit < 64; ++bit) symmetry.preimage[symmetry.image[bit]] = bit;
    for (std::size_t g = 0; g < board.groups.size(); ++g) {
      const Lines image = symmetry.apply(board.groups[g] & board.playable);
      for (std::size_t h = 0; h < board.groups.size(); ++h) {
        if ((board.groups[h] & board.playable) == image)
          symmetry.groupImage[g] = static_cast<std::uint8_t>(h);
      }
      if (symmetry.groupImage[g] == 0) board.symmetriesSendingGroupFirst[g].push_back(int(s));
    }
  }
}

}  // namespace

int completedBy(const Board& board, Node node, int bit) {
  const Lines line = Lines{1} << bit;
  int completed = 0;
  for (int box : board.boxesOfLine[bit]) {
    const Lines lines = board.boxes[box];
    if ((lines & ~node.drawn) != line) continue;
    if (board.ownLines && (lines & ~line & ~node.mine) != 0) continue;
    ++completed;
  }
  return completed;
}

void finish(Board& board, bool symmetric) {
  board.boxesOfLine.assign(64, {});
  for (std::size_t box = 0; box < board.boxes.size(); ++box) {
    for (Lines lines = board.boxes[box]; lines != 0; lines &= lines - 1)
      board.boxesOfLine[std::countr_zero(lines)].push_back(static_cast<int>(box));
  }
  board.symmetries.clear();
  if (board.groups.size() > kMostGroups) board.groups.resize(kMostGroups);
  if (symmetric) board.symmetries = symmetriesOf(board);
  // Without groups every symmetry is a candidate for every position.
  if (board.groups.empty() && !board.symmetries.empty()) board.groups.push_back(board.playable);
  indexGroups(board);
}

}  // namespace dorvan::search
