#pragma once
// A board as the search sees it: lines are bits of a 64-bit set (line n is bit n - 1), each box
// is the set of its lines, and two flags carry the variant's rules. Nothing here knows which
// board it is; boards.h builds the cube's and the tesseract's.

#include <array>
#include <bit>
#include <cstdint>
#include <memory>
#include <vector>

#include "rules/board.h"

namespace dorvan::search {

// Line n is bit n - 1, as the rules keep them.
using Lines = rules::LineSet;
using rules::lineBit;

// The groups of a board that narrow its symmetries (see `Board::groups`).
inline constexpr std::size_t kMostGroups = 8;

// A line permutation that maps every box onto a box.
struct Symmetry {
  std::array<std::uint8_t, 64> image{};  // bit index -> bit index
  std::array<std::uint8_t, 64> preimage{};
  std::array<std::uint8_t, kMostGroups> groupImage{};  // where each of `Board::groups` goes

  Lines apply(Lines lines) const {
    Lines out = 0;
    for (; lines != 0; lines &= lines - 1) out |= Lines{1} << image[std::countr_zero(lines)];
    return out;
  }
};

// How much the strong computer may think on a board: the exact search is tried from
// `exactFrom` free lines down, with at most `nodeBudget` positions; before that, or when the
// budget runs out, each free line is judged by `playoutsPerLine` greedy games.
struct Plan {
  int exactFrom = 64;
  long nodeBudget = 1'000'000;
  int playoutsPerLine = 64;
};

struct SolvedOpenings;

struct Board {
  int lineCount = 0;
  std::vector<Lines> boxes;
  Lines playable = 0;     // lines that may still be drawn at some point of a game
  bool moveAgain = true;  // a side that completes a box draws again (Merrin, Dorvan)
  bool ownLines = false;  // a box counts only when all its lines are the mover's (Duomar)
  Plan plan;
  // Where the whole game has been solved once: the exact values of its early positions.
  std::shared_ptr<const SolvedOpenings> openings;

  // Filled by `finish`: the boxes of each line (bit index), and the board's symmetries.
  std::vector<std::vector<int>> boxesOfLine;
  std::vector<Symmetry> symmetries;
  // Up to eight line sets that every symmetry permutes (the cube's eight unit cubes, the
  // tesseract's eight cells); their drawn counts narrow which symmetries a position needs.
  std::vector<Lines> groups;
  // Further line sets that only the symmetries must keep (the squares, where cubes or cells
  // score: alone these would let lines of one box swap places).
  std::vector<Lines> shapes;
  std::vector<std::vector<int>> symmetriesSendingGroupFirst;  // by the group sent to place 0
};

// A position: the drawn lines and, for the own-lines rule only, those of the side to move.
struct Node {
  Lines drawn = 0;
  Lines mine = 0;
};

// How many boxes the line (a bit index) completes for the side to move.
int completedBy(const Board& board, Node node, int bit);

// Works out the derived parts of a board: the boxes of each line and, when `symmetric`, every
// permutation of the playable lines that maps the boxes and the groups onto themselves.
void finish(Board& board, bool symmetric);

}  // namespace dorvan::search
