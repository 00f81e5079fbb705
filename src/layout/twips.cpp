#include "layout/twips.h"

#include <cmath>
#include <limits>

namespace corvanta {

std::int32_t RoundSaturated(double v, std::int32_t lo, std::int32_t hi) {
  const double r = std::nearbyint(v);
  if (!(r > lo)) return lo;
  if (r > hi) return hi;
  return static_cast<std::int32_t>(r);
}

int TwipsToPixels(double twips, double tpp) {
  constexpr std::int32_t kMax = std::numeric_limits<int>::max() / 4;
  return RoundSaturated(twips / tpp, -kMax, kMax);
}

float PixelsToTwips(double pixels, double tpp) {
  constexpr double kMax = std::numeric_limits<float>::max();
  const double t = pixels * tpp;
  if (t > kMax) return std::numeric_limits<float>::max();
  if (t < -kMax) return -std::numeric_limits<float>::max();
  return static_cast<float>(t);
}

float TwipsPerPixelAt(double dots_per_inch) { return static_cast<float>(1440.0 / dots_per_inch); }

}  // namespace corvanta
