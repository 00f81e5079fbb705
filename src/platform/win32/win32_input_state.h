#pragma once
// The Shift and Button arguments of the input events: bit 1 Shift or left, 2 Ctrl or right,
// 4 Alt or middle.

#include <cstdint>

#include "win32_common.h"

namespace corvanta::win32 {

inline std::int16_t ShiftState() {
  std::int16_t shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= 1;
  if (GetKeyState(VK_CONTROL) < 0) shift |= 2;
  if (GetKeyState(VK_MENU) < 0) shift |= 4;
  return shift;
}

// From the key flags of a mouse message.
inline std::int16_t ButtonState(WPARAM wp) {
  std::int16_t button = 0;
  if (wp & MK_LBUTTON) button |= 1;
  if (wp & MK_RBUTTON) button |= 2;
  if (wp & MK_MBUTTON) button |= 4;
  return button;
}

}  // namespace corvanta::win32
