#pragma once
// A board as the rules see it: numbered lines and two kinds of box, the squares and the solids
// (the lattice's cubes, the tesseract's cells), each box given by the lines in its slots. Each
// board writes its tables once; `makeBoard` turns them into this form when compiling, with
// every box's lines also as a bit set, so that the rules count with a few machine words.

#include <array>
#include <bit>
#include <cstdint>

#include "rules/sides.h"

namespace dorvan::rules {

inline constexpr int kMaxLines = 64;
inline constexpr int kMaxBoxes = 36;
inline constexpr int kMaxBoxSides = 12;

// A set of lines: line n is bit n - 1.
using LineSet = std::uint64_t;

constexpr LineSet lineBit(int line) {
  return LineSet{1} << (line - 1);
}
constexpr bool contains(LineSet lines, int line) {
  return (lines & lineBit(line)) != 0;
}
constexpr int countLines(LineSet lines) {
  return std::popcount(lines);
}
// The lowest line of a non-empty set.
constexpr int firstLine(LineSet lines) {
  return std::countr_zero(lines) + 1;
}
constexpr LineSet linesUpTo(int count) {
  return count >= kMaxLines ? ~LineSet{0} : lineBit(count + 1) - 1;
}

enum class BoxKind { kSquares, kSolids };

constexpr BoxKind boxKind(Variant variant) {
  return scoresSquares(variant) ? BoxKind::kSquares : BoxKind::kSolids;
}

// One kind of box. Boxes count from 1, slots from 1; index 0 is unused, as in the windows'
// tables, so a box's row reads like the table it came from.
struct BoxTable {
  int count = 0;
  int sides = 0;
  std::array<std::array<int, kMaxBoxSides + 1>, kMaxBoxes + 1> lines{};
  std::array<LineSet, kMaxBoxes + 1> masks{};
};

struct Board {
  int lineCount = 0;
  BoxTable squares;
  BoxTable solids;

  constexpr const BoxTable& boxes(BoxKind kind) const {
    return kind == BoxKind::kSquares ? squares : solids;
  }
  constexpr const BoxTable& boxes(Variant variant) const { return boxes(boxKind(variant)); }
  constexpr LineSet allLines() const { return linesUpTo(lineCount); }
};

namespace detail {

// A table's rows 1..count, slots 1..Width-1. The compiler rejects a table that names a line
// outside the board or the same line twice in one box.
template <std::size_t Rows, std::size_t Width>
constexpr BoxTable boxTable(const std::array<std::array<int, Width>, Rows>& rows, int count,
                            int lineCount) {
  static_assert(Width - 1 <= kMaxBoxSides);
  BoxTable table;
  table.count = count;
  table.sides = static_cast<int>(Width) - 1;
  for (int box = 1; box <= count; ++box) {
    for (int slot = 1; slot <= table.sides; ++slot) {
      const int line = rows.at(box)[slot];
      if (line < 1 || line > lineCount) throw "a box names a line that is not on the board";
      if (contains(table.masks[box], line)) throw "a box names one line twice";
      table.lines.at(box)[slot] = line;
      table.masks.at(box) |= lineBit(line);
    }
  }
  return table;
}

}  // namespace detail

template <std::size_t SquareRows, std::size_t SquareWidth, std::size_t SolidRows,
          std::size_t SolidWidth>
constexpr Board makeBoard(int lineCount,
                          const std::array<std::array<int, SquareWidth>, SquareRows>& squares,
                          int squareCount,
                          const std::array<std::array<int, SolidWidth>, SolidRows>& solids,
                          int solidCount) {
  if (lineCount < 1 || lineCount > kMaxLines) throw "a board has 1 to 64 lines";
  return {lineCount, detail::boxTable(squares, squareCount, lineCount),
          detail::boxTable(solids, solidCount, lineCount)};
}

}  // namespace dorvan::rules
