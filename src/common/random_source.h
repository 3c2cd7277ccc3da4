#pragma once
// The program's random source: a 24-bit linear congruential generator that is never seeded,
// so every run replays the same sequence. Both computer opponents draw from the one instance
// the application holds.

#include <cstdint>

namespace dorvan {

class RandomSource {
 public:
  // A value in [0, 1); the first one of a run is 0.7055475...
  constexpr double next() {
    constexpr std::uint64_t kMultiplier = 1140671485;
    constexpr std::uint64_t kIncrement = 12820163;
    constexpr std::uint64_t kModulus = 1u << 24;
    state_ = static_cast<std::uint32_t>((state_ * kMultiplier + kIncrement) % kModulus);
    return static_cast<double>(state_) / static_cast<double>(kModulus);
  }
  // Int(value * n + 1): a choice among n candidates, from 1 to n.
  constexpr int choose(int n) { return static_cast<int>(next() * n + 1); }

 private:
  std::uint32_t state_ = 327680;
};

}  // namespace dorvan
