#pragma once
// Which lines make up each square and each cell, and the views derived from them.
// `celllines` and `sqlines` are the only hand-written incidence data; everything else here is
// computed from them when the program is compiled.

#include <array>

#include "game4d/cells.h"

namespace dorvan::game4d {

inline constexpr int kLineCount = 32;
inline constexpr int kSquareCount = 24;
inline constexpr int kLinesPerCell = 12;
inline constexpr int kLinesPerSquare = 4;

constexpr bool isLine(int line) {
  return line >= 1 && line <= kLineCount;
}
constexpr bool isSquare(int square) {
  return square >= 1 && square <= kSquareCount;
}

// A cell's lines at positions 1 to 12. The positions are addressed by `cellmarks` and by the
// computer's choice, so their order is part of the game, not a presentation detail.
inline constexpr std::array<std::array<int, kLinesPerCell + 1>, kCellCount + 1> celllines{{
    {},
    /* 1 */ {0, 1, 2, 3, 4, 8, 26, 27, 28, 22, 25, 29, 30},
    /* 2 */ {0, 1, 2, 3, 4, 31, 5, 6, 7, 10, 11, 12, 32},
    /* 3 */ {0, 1, 26, 28, 29, 31, 6, 23, 21, 32, 16, 9, 19},
    /* 4 */ {0, 3, 8, 22, 28, 7, 20, 21, 31, 9, 10, 17, 18},
    /* 5 */ {0, 2, 8, 25, 27, 5, 7, 20, 24, 11, 13, 15, 17},
    /* 6 */ {0, 4, 27, 26, 30, 5, 6, 23, 24, 12, 13, 14, 16},
    /* 7 */ {0, 10, 11, 12, 32, 9, 13, 16, 17, 14, 15, 18, 19},
    /* 8 */ {0, 14, 15, 18, 19, 20, 21, 23, 24, 25, 22, 29, 30},
}};

// A square's lines at positions 1 to 4, as `sqmarks` addresses them.
inline constexpr std::array<std::array<int, kLinesPerSquare + 1>, kSquareCount + 1> sqlines{{
    {},
    /* 1 */ {0, 1, 26, 29, 28},
    /* 2 */ {0, 4, 27, 30, 26},
    /* 3 */ {0, 2, 8, 25, 27},
    /* 4 */ {0, 3, 28, 22, 8},
    /* 5 */ {0, 1, 2, 3, 4},
    /* 6 */ {0, 22, 29, 30, 25},
    /* 7 */ {0, 32, 16, 19, 9},
    /* 8 */ {0, 16, 12, 13, 14},
    /* 9 */ {0, 11, 17, 15, 13},
    /* 10 */ {0, 10, 9, 18, 17},
    /* 11 */ {0, 32, 10, 11, 12},
    /* 12 */ {0, 19, 18, 15, 14},
    /* 13 */ {0, 3, 7, 10, 31},
    /* 14 */ {0, 7, 2, 5, 11},
    /* 15 */ {0, 5, 4, 6, 12},
    /* 16 */ {0, 6, 1, 31, 32},
    /* 17 */ {0, 21, 18, 20, 22},
    /* 18 */ {0, 20, 15, 24, 25},
    /* 19 */ {0, 24, 14, 23, 30},
    /* 20 */ {0, 23, 19, 21, 29},
    /* 21 */ {0, 28, 31, 9, 21},
    /* 22 */ {0, 8, 7, 17, 20},
    /* 23 */ {0, 27, 5, 13, 24},
    /* 24 */ {0, 26, 6, 16, 23},
}};

// A line's place in one square or cell: `number` is the square or cell, `position` the index
// of the line in its row of `sqlines` or `celllines`.
struct Incidence {
  int number = 0;
  int position = 0;
};

namespace detail {

constexpr bool cellHasLine(int cell, int line) {
  for (int k = 1; k <= kLinesPerCell; ++k) {
    if (celllines[cell][k] == line) return true;
  }
  return false;
}

constexpr bool cellHasSquare(int cell, int square) {
  for (int k = 1; k <= kLinesPerSquare; ++k) {
    if (!cellHasLine(cell, sqlines[square][k])) return false;
  }
  return true;
}

// Fills row[entry][0..N) from a table of rows, in ascending order of row number. A line that
// turns up in more than N rows makes the compiler reject the tables.
template <std::size_t N, std::size_t Rows, std::size_t Width>
constexpr std::array<std::array<Incidence, N>, kLineCount + 1> invert(
    const std::array<std::array<int, Width>, Rows>& table) {
  std::array<std::array<Incidence, N>, kLineCount + 1> result{};
  std::array<std::size_t, kLineCount + 1> filled{};
  for (int row = 1; row < static_cast<int>(Rows); ++row) {
    for (int k = 1; k < static_cast<int>(Width); ++k) {
      const int line = table[row][k];
      result[line].at(filled[line]++) = Incidence{row, k};
    }
  }
  for (int line = 1; line <= kLineCount; ++line) {
    if (filled[line] != N) throw "a line lies in the wrong number of squares or cells";
  }
  return result;
}

}  // namespace detail

// The three squares of each line, with the line's position in each, by ascending square.
inline constexpr auto linesquares = detail::invert<3>(sqlines);

// The three cells of each line, with the line's position in each, by ascending cell.
inline constexpr auto linecells = detail::invert<3>(celllines);

// The two cells that each square separates, the lower number first.
inline constexpr auto squarecells = [] {
  std::array<std::array<int, 2>, kSquareCount + 1> result{};
  for (int square = 1; square <= kSquareCount; ++square) {
    int found = 0;
    for (int cell = 1; cell <= kCellCount; ++cell) {
      if (detail::cellHasSquare(cell, square)) result[square].at(found++) = cell;
    }
    if (found != 2) throw "a square does not lie in exactly two cells";
  }
  return result;
}();

// The six squares of each cell, ascending.
inline constexpr auto cellsquares = [] {
  std::array<std::array<int, 6>, kCellCount + 1> result{};
  for (int cell = 1; cell <= kCellCount; ++cell) {
    std::size_t found = 0;
    for (int square = 1; square <= kSquareCount; ++square) {
      if (detail::cellHasSquare(cell, square)) result[cell].at(found++) = square;
    }
    if (found != 6) throw "a cell does not have six squares";
  }
  return result;
}();

}  // namespace dorvan::game4d
