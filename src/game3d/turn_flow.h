#pragma once
// Whose move it is: the turn passing with each drawn line, the alternating first move of new
// games, and which variants a player mode allows.

#include "game3d/sides.h"

namespace dorvan::game3d {

struct TurnChange {
  Side mover;     // the side drawing this line
  int redtomove;  // before any box it completes hands the turn back
};

// Every drawn line passes the turn first; scoring may give it back afterwards.
constexpr TurnChange passTurn(int redtomove) {
  return redtomove == 1 ? TurnChange{kRed, 0} : TurnChange{kBlue, 1};
}

struct GameStart {
  int bluestarts;
  int redtomove;
};

// A new game toggles `bluestarts`, so the first move alternates between the sides. When Red
// opens, the window runs the after-move procedure at once, which lets the computer draw.
constexpr GameStart newGameStart(int bluestarts) {
  const int toggled = bluestarts == 0 ? 1 : 0;
  return {toggled, toggled == 0 ? 1 : 0};
}

// Duomar is a game for two people: the computer never plays it.
constexpr bool variantAllowed(Variant variant, bool twoPlayers) {
  return variant != Variant::kDuomar || twoPlayers;
}

constexpr bool computerToMove(bool onePlayer, int redtomove, Variant variant) {
  return onePlayer && redtomove == 1 && variant != Variant::kDuomar;
}

}  // namespace dorvan::game3d
