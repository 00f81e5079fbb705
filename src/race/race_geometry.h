#pragma once
// The race's geometry, the same for the show, the preview's host and a display mode's window:
// what every setup of the race sizes itself by.

#include <cstdint>

#include "layout/basic_types.h"

namespace corvanta {

// A ball's cell in the sprite sheet, and its size on the screen when the lane has room.
inline constexpr std::int32_t kCellPixels = 32;
// The screen's height is shared out in lanes: the nine balls run in lanes 1 to 9, with an
// empty lane above and below.
inline constexpr std::int32_t kLanes = 11;
// The finish line, as a share of the width: a ball that reaches it has won.
inline constexpr double kFinishFraction = 0.95;

// Where the finish line stands on a race width_twips wide.
inline float FinishLine(Twips width_twips) {
  return static_cast<float>(static_cast<double>(width_twips) * kFinishFraction);
}

// The height of one lane of a race height_twips high.
inline float LaneHeight(Twips height_twips) {
  return static_cast<float>(static_cast<double>(height_twips) / kLanes);
}

}  // namespace corvanta
