#pragma once
// The 3x3x3 lattice: what only the 3D game has. The rules that play on it are in rules/.
//
//   lattice_tables.h  lines, move names, point texts, `sqlines`, `cubelines`
//   board.h           the lattice as the rules' board

#include "game3d/board.h"
#include "game3d/lattice_tables.h"
