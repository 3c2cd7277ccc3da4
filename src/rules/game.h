#pragma once
// One game as both windows play it: the position, whose turn it is, who opened, and each side's
// score (boxes won) and points. A line is drawn in three steps that the windows interleave with
// their showing: pass the turn, draw the line, score it.

#include <array>
#include <string>

#include "rules/board.h"
#include "rules/move_clock.h"
#include "rules/position.h"
#include "rules/score_lists.h"
#include "rules/sides.h"

namespace dorvan::rules {

// Points for one line by the number of boxes it completed.
constexpr int pointsFor(int completed) {
  constexpr std::array<int, 5> kBonus = {0, 1000, 4000, 7000, 10000};
  return completed >= 0 && completed <= 4 ? kBonus[completed] : 0;
}

struct Tally {
  int score = 0;  // boxes won
  int points = 0;
};

struct Game {
  Variant variant = Variant::kMerrin;  // in play; chosen between games
  Position position;
  SideCounts sidecount{};  // as the last count of a move left it
  Side mover = kNobody;    // the side whose line is being scored
  int redtomove = 0;       // 1 while Red is to move
  int bluestarts = 1;      // 1 while the game under way was opened by Blue
  Tally red;
  Tally blue;

  Tally& tally(Side side) { return side == kRed ? red : blue; }
  const Tally& tally(Side side) const { return side == kRed ? red : blue; }
  Side toMove() const { return sideToMove(redtomove); }
};

// The side to move becomes the mover and the turn passes; scoring may give it back.
Side passTurn(Game& game);

// The mover draws `line` into the given marks tables.
void drawLine(Game& game, int line, Marks marks);

// The computer's line: always Red's, and recorded only in the variant's own marks table.
void drawComputerLine(Game& game, int line);

struct MoveScore {
  Completed completed;  // the boxes to show, ascending
  int points = 0;       // what the mover earned
  Side next = kNobody;  // the side to move now
  std::string status;   // the status line
};

// Counts the boxes of the variant in play, claims those completed for the mover and credits
// them; a scorer moves again, except in Duomar.
MoveScore scoreMove(const Board& board, Game& game);

// No line is free but those kept out of play (the tesseract's "1/2 Level" keeps four).
bool gameOver(const Board& board, const Game& game, LineSet outOfPlay);

// A new game of the same variant: the other side opens it, everything but the last mover
// starts afresh. Returns
// true when Red opens, so that the window runs its move procedure at once (which lets the
// computer draw first).
bool newGame(Game& game);

constexpr bool computerToMove(bool onePlayer, const Game& game) {
  return onePlayer && game.redtomove == 1 && variantAllowed(game.variant, false);
}

// Everything one window keeps of its games: the game under way, the person's move clock and
// the record of the rounds played since the window opened.
struct Session {
  explicit constexpr Session(int timeLimit) : clock(timeLimit) {}
  Game game;
  MoveClock clock;
  Totals totals;
};

}  // namespace dorvan::rules
