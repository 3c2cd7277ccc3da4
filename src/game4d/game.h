#pragma once
// A game on the tesseract: the per-game tables, whose turn it is, both sides' scores and points,
// and what a drawn line does to them. Everything here is state and arithmetic; the window draws
// the lines, flashes what they complete and asks the questions.

#include <array>
#include <string>

#include "game3d/sides.h"
#include "game4d/incidence.h"

namespace dorvan::game4d {

using game3d::Side;
using game3d::Variant;

// Table shapes, index 0 unused; some are larger than the tesseract needs, as the window keeps them.
inline constexpr int kLineSlots = 64;
inline constexpr int kSquareRows = 26;
inline constexpr int kUnitSlots = 42;
inline constexpr int kSideCountSlots = 36;
inline constexpr int kCellRows = 9;

// The four lines that the "1/2 Level" leaves out of play (they lie in no shown cell).
inline constexpr std::array<int, 4> kHalfLevelClosedLines{1, 4, 6, 26};
inline constexpr int kHalfLevelFreeAtEnd = 4;

constexpr bool closedAtHalfLevel(int line) {
  for (int closed : kHalfLevelClosedLines)
    if (line == closed) return true;
  return false;
}

struct Position {
  std::array<int, kLineSlots + 1> lineowner{};  // the side that drew each line; 0 while free
  // The side that drew the line at each place of a square / a cell.
  std::array<std::array<int, kLinesPerSquare + 1>, kSquareRows + 1> sqmarks{};
  std::array<std::array<int, kLinesPerCell + 1>, kCellRows + 1> cellmarks{};
  std::array<int, kUnitSlots + 1> unitdone{};        // 1 once a square (or cell) has scored
  std::array<int, kSideCountSlots + 1> sidecount{};  // counted lines per unit, last count
  int mover = game3d::kNobody;                       // the side whose line is being scored
  int redtomove = 0;                                 // 1 while Red is to move
  int bluestarts = 1;  // 1 while the game under way was opened by Blue
  int redScore = 0, blueScore = 0;
  int redPoints = 0, bluePoints = 0;
};

// Squares in Merrin and Duomar, cells in Dorvan.
constexpr bool scoresCells(Variant variant) {
  return variant == Variant::kDorvan;
}
constexpr int unitCount(Variant variant) {
  return scoresCells(variant) ? kCellCount : kSquareCount;
}
constexpr int linesPerUnit(Variant variant) {
  return scoresCells(variant) ? kLinesPerCell : kLinesPerSquare;
}
// The line at place `k` of a unit, from `sqlines` or `celllines`.
constexpr int unitLine(Variant variant, int unit, int k) {
  return scoresCells(variant) ? celllines[unit][k] : sqlines[unit][k];
}
// The mark at place `k` of a unit, from `sqmarks` or `cellmarks`.
constexpr int unitMark(const Position& p, Variant variant, int unit, int k) {
  return scoresCells(variant) ? p.cellmarks[unit][k] : p.sqmarks[unit][k];
}

// The turn passes with every drawn line: the side to move becomes the mover.
Side passTurn(Position& p);

// `gridbang`: the mover's line goes into both mark tables and `lineowner`.
void drawLine(Position& p, int line);

// The computer's line, always Red's: `lineowner` and the marks table of the variant in play
// only. The computer's lines are scored as Red's, so Red becomes the mover.
void drawComputerLine(Position& p, int line, Variant variant);

struct MoveScore {
  int completed = 0;
  std::array<int, 3> units{};   // the units completed, in ascending order (`completed` of them)
  int points = 0;               // what the mover earned
  Side next = game3d::kNobody;  // the side to move now
  std::string status;           // the status line
};

// The scoring half of the move procedure: counts the units of the variant (Duomar counts only
// the mover's own lines, and nothing while no line has been drawn), marks those that are
// complete for the first time, credits the mover and decides who moves next: a scorer moves
// again, except in Duomar.
MoveScore scoreMove(Position& p, Variant variant);

// Passes the turn, draws the line and scores it: one whole move by the side to move.
MoveScore playLine(Position& p, int line, Variant variant);

int freeLines(const Position& p);

// No line is free, or at the "1/2 Level" only the four lines out of play are.
bool gameOver(const Position& p, bool halfLevel);

// A new game: the other side opens it. Returns true when Red opens, so the window runs the
// move procedure at once and the computer, if it plays, draws first.
bool newGame(Position& p);

}  // namespace dorvan::game4d
