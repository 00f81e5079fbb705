#pragma once
// The Button and Shift arguments of the input handlers, as bits every backend sets the same
// way: Button names the mouse buttons held or pressed, Shift the modifier keys held.

#include <cstdint>

namespace corvanta {

inline constexpr std::int16_t kLeftButton = 1, kRightButton = 2, kMiddleButton = 4;
inline constexpr std::int16_t kShiftMask = 1, kCtrlMask = 2, kAltMask = 4;

}  // namespace corvanta
