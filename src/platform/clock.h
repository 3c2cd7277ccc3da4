#pragma once
// Waits measured on the seconds-since-midnight clock, as the game's pauses are.

#include "platform/platform.h"

namespace dorvan::platform {

constexpr double kSecondsPerDay = 86400.0;

// Seconds from `from` to `to` on a clock that wraps at midnight (0 when `to` is not later).
double secondsBetween(double from, double to);

// Pauses until the clock reads at least (the whole second nearest to now) + `offset`:
// the highlight of a completed box lasts 0 to 1 s for offset 0.5.
void pauseToRoundedSecondPlus(Platform& platform, double offset, PauseKind kind);

// Pauses for `seconds` from now.
void pauseFor(Platform& platform, double seconds, PauseKind kind);

}  // namespace dorvan::platform
