#include "layout/random_source.h"

namespace corvanta {

float RandomSource::Next() {
  // xorshift64*: tiny, fast and good enough for a race; the top 24 bits fill a float's mantissa
  // exactly, so the result is never rounded up to 1.0.
  state_ ^= state_ >> 12;
  state_ ^= state_ << 25;
  state_ ^= state_ >> 27;
  const std::uint64_t bits = state_ * 0x2545F4914F6CDD1DULL;
  return static_cast<float>(bits >> 40) * (1.0f / 16777216.0f);
}

}  // namespace corvanta
