#pragma once
// How readable one colour is on another: relative luminance and the contrast ratio between two
// colours as the common accessibility guideline measures them (4.5 is enough for normal text).
// All of it can be computed when the program is compiled.

#include <array>

#include "common/colour.h"

namespace dorvan::view4d {

inline constexpr double kReadableContrast = 4.5;

inline constexpr int kRedShift = 0, kGreenShift = 8, kBlueShift = 16;

constexpr int channel(Colour colour, int shift) {
  return static_cast<int>((colour >> shift) & 0xFF);
}
constexpr Colour rgb(int red, int green, int blue) {
  return static_cast<Colour>(red) << kRedShift | static_cast<Colour>(green) << kGreenShift |
         static_cast<Colour>(blue) << kBlueShift;
}

namespace detail {

// x^(1/5) for x in [0, 1], by Newton's method from above.
constexpr double fifthRoot(double x) {
  if (x <= 0) return 0;
  double y = 1;
  for (int k = 0; k < 100; ++k) {
    const double y4 = y * y * y * y;
    const double next = y - (y4 * y - x) / (5 * y4);
    if (next >= y) break;
    y = next;
  }
  return y;
}

// The light a channel value gives off, 0 to 1, undoing the screen's gamma curve.
inline constexpr auto linearChannel = [] {
  std::array<double, 256> table{};
  for (int value = 0; value < 256; ++value) {
    const double c = value / 255.0;
    const double base = (c + 0.055) / 1.055;  // base^2.4 = base^2 * (base^2)^(1/5)
    table[value] = c <= 0.04045 ? c / 12.92 : base * base * fifthRoot(base * base);
  }
  return table;
}();

}  // namespace detail

constexpr double relativeLuminance(Colour colour) {
  return 0.2126 * detail::linearChannel[channel(colour, kRedShift)] +
         0.7152 * detail::linearChannel[channel(colour, kGreenShift)] +
         0.0722 * detail::linearChannel[channel(colour, kBlueShift)];
}

// From 1 (no contrast) to 21 (black on white), whichever colour is the lighter.
constexpr double contrastRatio(Colour a, Colour b) {
  const double la = relativeLuminance(a), lb = relativeLuminance(b);
  return la > lb ? (la + 0.05) / (lb + 0.05) : (lb + 0.05) / (la + 0.05);
}

}  // namespace dorvan::view4d
