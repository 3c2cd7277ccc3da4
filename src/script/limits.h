#pragma once
// The largest numbers a script may give and the most work one command may cause, so that every
// script ends in a time that follows what it asks for. docs/developing.md lists them for users.

#include <cstddef>
#include <cstdint>

namespace dorvan::script {

inline constexpr long long kMaxWaitMs = 86'400'000;  // one virtual day per `wait`
inline constexpr long long kMaxIndex = 32767;        // the largest index of a control array
inline constexpr long long kMaxScreenTwips = 1'000'000;
// The longest script line: ample for any text a script types or pastes, and a bound on the
// memory a script without line breaks takes.
inline constexpr std::size_t kMaxLineBytes = 1 << 20;
// A timer fires at most this often in one `wait` or pause; later ticks of that stretch are
// dropped as a busy machine drops them. A 100 ms timer still fires through 2 3/4 virtual hours.
inline constexpr std::int64_t kMaxTicksPerStretch = 100'000;

}  // namespace dorvan::script
