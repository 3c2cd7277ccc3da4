#pragma once
// The computer's line on the tesseract: complete a unit that lacks one line (the lowest first),
// else a line that leaves no unit one short, else any free line, with one random draw among the
// candidates. No look-ahead. The window draws the line and records it as Red's.

#include <functional>

#include "game4d/game.h"

namespace dorvan::ai4d {

enum class Play {
  kNone,      // no move: Duomar, or no free line
  kComplete,  // the last line of a unit; Red moves again once it is scored
  kOrdinary,  // a line that completes nothing; Blue moves next
};

struct Choice {
  Play play = Play::kNone;
  int line = 0;
  // The drawn lines of each unit as the choice counted them (the window's `sidecount`).
  std::array<int, game4d::kSideCountSlots + 1> sidecount{};
};

// Draws the program's random source once, only for an ordinary move.
using RandomDraw = std::function<double()>;

Choice chooseLine(const game4d::Position& p, game4d::Variant variant, bool halfLevel,
                  const RandomDraw& random);

}  // namespace dorvan::ai4d
