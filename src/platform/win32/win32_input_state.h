#pragma once
// The Shift and Button arguments of the input events, from the key state and the key flags of
// a mouse message.

#include <cstdint>

#include "layout/input_bits.h"
#include "win32_common.h"

namespace corvanta::win32 {

inline std::int16_t ShiftState() {
  std::int16_t shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= kShiftMask;
  if (GetKeyState(VK_CONTROL) < 0) shift |= kCtrlMask;
  if (GetKeyState(VK_MENU) < 0) shift |= kAltMask;
  return shift;
}

// From the key flags of a mouse message.
inline std::int16_t ButtonState(WPARAM wp) {
  std::int16_t button = 0;
  if (wp & MK_LBUTTON) button |= kLeftButton;
  if (wp & MK_RBUTTON) button |= kRightButton;
  if (wp & MK_MBUTTON) button |= kMiddleButton;
  return button;
}

// The button a button-down message is about; 0 for the extra buttons, which have no bit.
inline std::int16_t PressedButton(UINT msg) {
  switch (msg) {
    case WM_LBUTTONDOWN: return kLeftButton;
    case WM_RBUTTONDOWN: return kRightButton;
    case WM_MBUTTONDOWN: return kMiddleButton;
    default: return 0;
  }
}

}  // namespace corvanta::win32
