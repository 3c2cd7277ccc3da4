#pragma once
// The computer's choice of line when it plays Red. It is greedy: it completes a box that lacks
// one line, else draws a line that leaves no box one line short, else any free line, picking
// among the allowed lines at random.

#include <functional>
#include <vector>

#include "game3d/position.h"
#include "game3d/sides.h"

namespace dorvan::game3d {

// Returns the next value of the program's random sequence, in [0, 1).
using RandomDraw = std::function<double()>;

enum class ComputerPlay {
  kTake,     // the lowest-numbered box one line short is completed; Red then moves again
  kSafe,     // a line that leaves no box one line short
  kAnyFree,  // no safe line exists: the player is told "No good moves left" first
  kNone,     // no free line at all
};

struct ComputerMove {
  ComputerPlay play = ComputerPlay::kNone;
  int box = 0;                  // the box taken
  std::vector<int> lines;       // a take: the box's undrawn slots in slot order; otherwise one line
  std::vector<int> candidates;  // the lines the random draw chose among
};

// Lines that are sides of boxes one drawn side away from giving the opponent a take, box by box
// in slot order; a line shared by two such boxes appears twice.
std::vector<int> danger(const Position& position, Variant variant);

// A choice among `count` candidates as the program makes it: Int(value * count + 1), 1..count.
int pickCandidate(int count, double value);

// Draws one random value exactly when the move is kSafe or kAnyFree, and none for a take, so
// the program's random sequence advances as the window replays the move. Duomar is judged as
// Merrin; the computer is never asked to move in it.
ComputerMove chooseComputerMove(const Position& position, Variant variant, const RandomDraw& draw);

}  // namespace dorvan::game3d
