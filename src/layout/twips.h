#pragma once
// Twips and pixels: the one conversion the core and both backends use. Whole values are the
// nearest, halves to the even one; values out of range, infinities and NaN saturate instead of
// overflowing, because a broken backend or a huge request must not become undefined behaviour.

#include <cstdint>

namespace corvanta {

// v rounded, then held within [lo, hi]; NaN gives lo.
std::int32_t RoundSaturated(double v, std::int32_t lo, std::int32_t hi);

// Pixels of a length in twips at tpp twips per pixel. Held within a quarter of int's range, so
// that a position plus a size never overflows either.
int TwipsToPixels(double twips, double tpp);

// Twips of a length in pixels, held within the range of a single.
float PixelsToTwips(double pixels, double tpp);

// Twips per pixel on a screen of that many pixels to the inch: 1440 over it, 15 at 96.
float TwipsPerPixelAt(double dots_per_inch);

}  // namespace corvanta
