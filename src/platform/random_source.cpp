#include "platform/random_source.h"

namespace dorvan::platform {

double RandomSource::next() {
  constexpr std::uint64_t kMultiplier = 1140671485;
  constexpr std::uint64_t kIncrement = 12820163;
  constexpr std::uint64_t kModulus = 1u << 24;
  state_ = static_cast<std::uint32_t>((state_ * kMultiplier + kIncrement) % kModulus);
  return static_cast<double>(state_) / static_cast<double>(kModulus);
}

}  // namespace dorvan::platform
