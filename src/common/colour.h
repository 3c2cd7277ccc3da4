#pragma once
// Colours as the program holds them everywhere: 24-bit values laid out 0x00BBGGRR.

#include <cstdint>

namespace dorvan {

using Colour = std::uint32_t;

// The system's window-text colour; only the shell resolves it (black on a light palette).
inline constexpr Colour kWindowText = 0x80000008;

}  // namespace dorvan
