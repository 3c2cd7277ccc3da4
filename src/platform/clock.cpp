#include "platform/clock.h"

#include <cmath>

namespace dorvan::platform {

double secondsBetween(double from, double to) {
  double d = to - from;
  if (d < -kSecondsPerDay / 2) d += kSecondsPerDay;  // `to` lies after midnight
  return d > 0 ? d : 0;
}

void pauseToRoundedSecondPlus(Platform& platform, double offset, PauseKind kind) {
  double now = platform.secondsSinceMidnight();
  double target = std::floor(now + 0.5) + offset;  // halves round up, as people round
  double length = target - now;
  if (length > 0) platform.pause(length, kind);
}

void pauseFor(Platform& platform, double seconds, PauseKind kind) {
  if (seconds > 0) platform.pause(seconds, kind);
}

}  // namespace dorvan::platform
