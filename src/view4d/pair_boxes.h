#pragma once
// The colour-pair boxes `Check4`(1..20): the two cells each caption names, the square those two
// cells share (a checked box marks it, so that a player can find it on the turned drawing), and
// the colours the box is painted in: the first cell's colour lightened behind the second's,
// darkened until the caption is readable.

#include <array>

#include "game4d/cells.h"
#include "game4d/incidence.h"
#include "view4d/contrast.h"
#include "view4d/shades.h"

namespace dorvan::view4d {

inline constexpr int kPairBoxCount = 20;

struct CellPair {
  int first = 0;   // named first: the background
  int second = 0;  // named second: the text
};

// Indexed by box; entry 0 (the box without a pair) names no cells.
inline constexpr std::array<CellPair, kPairBoxCount + 1> pairboxes = [] {
  using namespace game4d;
  constexpr int K = kBlackCell, R = kRedCell, Y = kYellowCell, G = kGreenCell, P = kPurpleCell,
                LB = kLightBlueCell, W = kWhiteCell, B = kBlueCell;
  return std::array<CellPair, kPairBoxCount + 1>{{
      {},     {Y, R}, {Y, LB}, {Y, B}, {Y, G}, {P, R},  {P, LB}, {P, B}, {P, G},  {R, K},  {R, LB},
      {R, W}, {R, G}, {B, K},  {B, G}, {B, W}, {B, LB}, {G, K},  {G, W}, {LB, K}, {LB, W},
  }};
}();

// The square that cells `a` and `b` share; 0 for opposite cells, which share none.
constexpr int squareOfCells(int a, int b) {
  for (int square = 1; square <= game4d::kSquareCount; ++square) {
    const auto& cells = game4d::squarecells[square];
    if ((cells[0] == a && cells[1] == b) || (cells[0] == b && cells[1] == a)) return square;
  }
  return 0;
}

// For boxes 1 to 20.
constexpr int pairBoxSquare(int box) {
  return squareOfCells(pairboxes[box].first, pairboxes[box].second);
}

// The colour a cell is seen in, for judging contrast: the black cell follows the desktop's text
// colour, which is taken to be black.
constexpr Colour seenColourOfCell(int cell) {
  const Colour display = game4d::cells[cell].display;
  return display == kWindowText ? 0x000000 : display;
}

constexpr Colour pairBoxBackground(int box) {
  return lightShade(seenColourOfCell(pairboxes[box].first));
}

constexpr Colour pairBoxText(int box) {
  return readableOn(seenColourOfCell(pairboxes[box].second), pairBoxBackground(box));
}

}  // namespace dorvan::view4d
