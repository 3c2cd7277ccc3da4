#pragma once
// Both boards, and games built on them for the rules tests.

#include <initializer_list>

#include "game3d/board.h"
#include "game4d/board.h"
#include "rules/game.h"

namespace dorvan::rules::testing {

inline const Board& lattice() {
  return game3d::kBoard;
}
inline const Board& tesseract() {
  return game4d::kBoard;
}

// Plays the lines of a variant in turn for whoever is to move, as a click does (into both marks
// tables); returns the score of the last one.
inline MoveScore play(const Board& board, Game& game, Variant variant,
                      std::initializer_list<int> lines) {
  game.variant = variant;
  MoveScore last;
  for (int line : lines) {
    passTurn(game);
    drawLine(game, line, Marks::kBoth);
    last = scoreMove(board, game);
  }
  return last;
}

// Draws every line of the given boxes but `missing`, as a two-player game would, without
// scoring them.
inline void drawAllBut(const Board& board, Game& game, Variant variant,
                       std::initializer_list<int> boxes, int missing) {
  for (int box : boxes) {
    const LineSet lines = board.boxes(variant).masks[box] & ~game.position.drawn();
    for (int line = 1; line <= board.lineCount; ++line) {
      if (line == missing || !contains(lines, line)) continue;
      passTurn(game);
      drawLine(game, line, marksOf(variant));
    }
  }
}

}  // namespace dorvan::rules::testing
