#pragma once
// What the computer draws, on either board. It is greedy: it completes the lowest-numbered box
// that lacks one line, else draws a line that leaves no box one line short, else any free line,
// picking among the allowed lines at random. It looks no further ahead.

#include <functional>

#include "rules/board.h"
#include "rules/position.h"
#include "rules/sides.h"

namespace dorvan::rules {

// Returns the next value of the program's random sequence, in [0, 1).
using RandomDraw = std::function<double()>;

// What a board's window holds back from the computer.
struct ComputerPolicy {
  LineSet keptBack = 0;   // never among the safe lines; drawn only when nothing else is free
  LineSet outOfPlay = 0;  // never drawn at all
};

enum class ComputerPlay {
  kNone,     // no move: Duomar, or no line it may draw
  kTake,     // the last line of a box; the computer then moves again
  kSafe,     // a line that leaves no box one line short
  kAnyFree,  // no safe line exists: the 3D window says "No good moves left" first
};

struct ComputerMove {
  ComputerPlay play = ComputerPlay::kNone;
  int line = 0;
  // The drawn sides of each box as the choice counted them (the tesseract window keeps them).
  SideCounts sidecount{};
};

// A choice among `count` candidates as the program makes it: Int(value * count + 1), 1..count,
// kept in range should the value round up to 1.
int pickCandidate(int count, double value);

// Counts the lines of the variant's marks table, whoever drew them. Draws one random value
// exactly when the move is kSafe or kAnyFree, so the program's random sequence advances as the
// windows replay the move.
ComputerMove chooseComputerMove(const Board& board, const Position& position, Variant variant,
                                const ComputerPolicy& policy, const RandomDraw& draw);

}  // namespace dorvan::rules
