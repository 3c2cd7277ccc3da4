#pragma once
// Lighter and darker shades of a cell colour that keep its hue: a light shade mixes the colour
// with white, a dark one scales it towards black. Used to paint a colour-pair box so that its
// caption is readable on its background.

#include "view4d/contrast.h"

namespace dorvan::view4d {

// A light shade is at least half white, and whiter still until it is this bright, so that a
// dark text on it need not be darkened beyond recognition.
inline constexpr int kLeastWhiteShare = 128;  // of 255
inline constexpr double kLightShadeLuminance = 0.7;

// `colour` mixed with white, `share` of 255 parts white.
constexpr Colour mixedWithWhite(Colour colour, int share) {
  auto mix = [&](int shift) {
    const int c = channel(colour, shift);
    return c + ((255 - c) * share + 127) / 255;
  };
  return rgb(mix(kRedShift), mix(kGreenShift), mix(kBlueShift));
}

// `colour` scaled towards black, keeping `scale` of 255.
constexpr Colour scaledTowardsBlack(Colour colour, int scale) {
  auto dim = [&](int shift) { return (channel(colour, shift) * scale + 127) / 255; };
  return rgb(dim(kRedShift), dim(kGreenShift), dim(kBlueShift));
}

// The least white mix of `colour`, at least half white, that is as bright as a light shade
// should be.
constexpr Colour lightShade(Colour colour) {
  for (int share = kLeastWhiteShare; share < 255; ++share) {
    const Colour shade = mixedWithWhite(colour, share);
    if (relativeLuminance(shade) >= kLightShadeLuminance) return shade;
  }
  return mixedWithWhite(colour, 255);
}

// `text` darkened no more than needed to be readable on `background`.
constexpr Colour readableOn(Colour text, Colour background) {
  for (int scale = 255; scale > 0; --scale) {
    const Colour shade = scaledTowardsBlack(text, scale);
    if (contrastRatio(shade, background) >= kReadableContrast) return shade;
  }
  return 0x000000;
}

}  // namespace dorvan::view4d
