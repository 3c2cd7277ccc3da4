#pragma once
// The program's random source: a 24-bit linear congruential generator that is never seeded,
// so every run replays the same sequence.

#include <cstdint>

namespace dorvan::platform {

class RandomSource {
 public:
  // A value in [0, 1); the first one of a run is 0.7055475...
  double next();
  // Int(value * n + 1): a choice among n candidates, from 1 to n.
  int choose(int n) { return static_cast<int>(next() * n + 1); }

 private:
  std::uint32_t state_ = 327680;
};

}  // namespace dorvan::platform
