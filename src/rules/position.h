#pragma once
// The lines of one game: who drew each, which marks tables recorded it, which boxes have been
// scored; and what follows from them for a variant: the drawn sides of every box and the boxes
// a line has just completed. Every table of the windows (`lineowner`, `sqmarks`, `cubemarks`,
// `cellmarks`, `claimed`, `unitdone`) is a view of this.

#include <array>

#include "rules/board.h"
#include "rules/sides.h"

namespace dorvan::rules {

// The marks tables a drawn line goes into. The windows record a line in the table of the
// variant in play, except the tesseract window's own clicks, which go into both.
enum class Marks { kSquares = 1, kSolids = 2, kBoth = 3 };

constexpr Marks marksOf(Variant variant) {
  return scoresSquares(variant) ? Marks::kSquares : Marks::kSolids;
}

class Position {
 public:
  constexpr bool isFree(int line) const { return !contains(drawn(), line); }
  constexpr Side owner(int line) const {
    return contains(red_, line) ? kRed : (contains(blue_, line) ? kBlue : kNobody);
  }
  constexpr LineSet drawn() const { return red_ | blue_; }
  constexpr LineSet ownedBy(Side side) const {
    return side == kRed ? red_ : (side == kBlue ? blue_ : LineSet{0});
  }
  // The lines that the squares' or the solids' marks table holds.
  constexpr LineSet recorded(BoxKind kind) const { return recorded_[static_cast<int>(kind)]; }
  constexpr bool claimed(int box) const { return (claimed_ >> box & 1) != 0; }

  // Owns a free line for `side` and records it in the given marks tables. A line that is drawn
  // already keeps its owner.
  constexpr void draw(int line, Side side, Marks marks) {
    if (!isFree(line) || (side != kRed && side != kBlue)) return;
    (side == kRed ? red_ : blue_) |= lineBit(line);
    if (static_cast<int>(marks) & 1) recorded_[0] |= lineBit(line);
    if (static_cast<int>(marks) & 2) recorded_[1] |= lineBit(line);
  }
  constexpr void claim(int box) { claimed_ |= std::uint64_t{1} << box; }

 private:
  LineSet red_ = 0;
  LineSet blue_ = 0;
  std::array<LineSet, 2> recorded_{};
  std::uint64_t claimed_ = 0;  // bit b: box b has been scored
};

constexpr int freeLines(const Board& board, const Position& position) {
  return countLines(board.allLines() & ~position.drawn());
}

// The owner recorded in a slot of a marks table, 0 while the table holds no line there.
constexpr int mark(const Board& board, const Position& position, BoxKind kind, int box, int slot) {
  const int line = board.boxes(kind).lines[box][slot];
  return contains(position.recorded(kind), line) ? position.owner(line) : kNobody;
}

// The windows' tables, indexed from 1 as they are: `lineowner`, the marks tables (`sqmarks`,
// `cubemarks`, `cellmarks`) and `claimed`.
using LineTable = std::array<int, kMaxLines + 1>;
using MarksTable = std::array<std::array<int, kMaxBoxSides + 1>, kMaxBoxes + 1>;
using BoxFlags = std::array<int, kMaxBoxes + 1>;

constexpr LineTable ownerTable(const Board& board, const Position& position) {
  LineTable owners{};
  for (int line = 1; line <= board.lineCount; ++line) owners[line] = position.owner(line);
  return owners;
}
constexpr MarksTable marksTable(const Board& board, const Position& position, BoxKind kind) {
  MarksTable marks{};
  const BoxTable& boxes = board.boxes(kind);
  for (int box = 1; box <= boxes.count; ++box)
    for (int slot = 1; slot <= boxes.sides; ++slot)
      marks[box][slot] = mark(board, position, kind, box, slot);
  return marks;
}
constexpr BoxFlags claimedTable(const Position& position) {
  BoxFlags claimed{};
  for (int box = 1; box <= kMaxBoxes; ++box) claimed[box] = position.claimed(box);
  return claimed;
}

// `sidecount`: the drawn sides of every box of the variant, by box number (index 0 unused).
// The lines that count are those in the variant's marks table; in Duomar only `mover`'s.
using SideCounts = std::array<int, kMaxBoxes + 2>;

constexpr LineSet countedLines(const Position& position, Variant variant, Side mover) {
  const LineSet recorded = position.recorded(boxKind(variant));
  return ownLinesOnly(variant) ? recorded & position.ownedBy(mover) : recorded;
}

constexpr SideCounts countSides(const Board& board, const Position& position, Variant variant,
                                Side mover) {
  const LineSet counted = countedLines(position, variant, mover);
  const BoxTable& boxes = board.boxes(variant);
  SideCounts sidecount{};
  for (int box = 1; box <= boxes.count; ++box)
    sidecount[box] = countLines(boxes.masks[box] & counted);
  return sidecount;
}

// The boxes whose sides are all counted and that have not been scored, ascending. A line lies
// in at most four boxes of a kind, so one line completes at most four.
struct Completed {
  int count = 0;
  std::array<int, kMaxBoxes> boxes{};
  const int* begin() const { return boxes.data(); }
  const int* end() const { return boxes.data() + count; }
};

Completed completedBoxes(const Board& board, const Position& position, Variant variant, Side mover);

}  // namespace dorvan::rules
