#pragma once
// The race's random numbers: uniform in [0, 1), single precision, never seeded, so every show
// replays the same races.

#include <cstdint>

namespace corvanta {

class RandomSource {
 public:
  float Next();

 private:
  // Any fixed start will do; this one is simply ours.
  std::uint64_t state_ = 0x2545F4914F6CDD1DULL;
};

}  // namespace corvanta
