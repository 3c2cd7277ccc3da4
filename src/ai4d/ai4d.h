#pragma once
// The computer opponent of the 4D game, without its window.
//
//   computer.h  the computer's choice of line over a game position, with its one random draw

#include "ai4d/computer.h"
