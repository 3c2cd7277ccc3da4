#include "rules/game.h"

#include "rules/texts.h"

namespace dorvan::rules {

Side passTurn(Game& game) {
  game.mover = game.toMove();
  game.redtomove = game.mover == kRed ? 0 : 1;
  return game.mover;
}

void drawLine(Game& game, int line, Marks marks) {
  game.position.draw(line, game.mover, marks);
}

void drawComputerLine(Game& game, int line) {
  game.mover = kRed;
  game.position.draw(line, kRed, marksOf(game.variant));
}

MoveScore scoreMove(const Board& board, Game& game) {
  const Variant variant = game.variant;
  game.sidecount = countSides(board, game.position, variant, game.mover);
  MoveScore score;
  score.completed = completedBoxes(board, game.position, variant, game.mover);
  // Before any line of a game there is no mover; nothing can have been completed then.
  const Side mover = game.mover == kRed ? kRed : kBlue;
  const int completed = score.completed.count;
  if (completed > 0) {
    for (int box : score.completed) game.position.claim(box);
    if (!ownLinesOnly(variant)) game.redtomove = mover == kRed ? 1 : 0;
    score.points = pointsFor(completed);
    game.tally(mover).score += completed;
    game.tally(mover).points += score.points;
  }
  score.next = game.toMove();
  score.status = texts::moveStatus(variant, completed, mover, score.next);
  return score;
}

bool gameOver(const Board& board, const Game& game, LineSet outOfPlay) {
  const int free = freeLines(board, game.position);
  return free == 0 || (outOfPlay != 0 && free == countLines(outOfPlay));
}

bool newGame(Game& game) {
  Game next;
  next.variant = game.variant;
  next.mover = game.mover;
  next.bluestarts = game.bluestarts == 0 ? 1 : 0;
  next.redtomove = next.bluestarts == 0 ? 1 : 0;
  game = next;
  return game.redtomove == 1;
}

}  // namespace dorvan::rules
