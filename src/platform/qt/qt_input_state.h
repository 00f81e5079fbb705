#pragma once
// The Shift and Button arguments of the input events, from Qt's modifier and button flags.

#include <QMouseEvent>
#include <cstdint>

#include "layout/input_bits.h"

namespace corvanta::qt {

inline std::int16_t ShiftState(Qt::KeyboardModifiers m) {
  return static_cast<std::int16_t>((m & Qt::ShiftModifier ? kShiftMask : 0) |
                                   (m & Qt::ControlModifier ? kCtrlMask : 0) |
                                   (m & Qt::AltModifier ? kAltMask : 0));
}

inline std::int16_t ButtonState(Qt::MouseButtons b) {
  return static_cast<std::int16_t>((b & Qt::LeftButton ? kLeftButton : 0) |
                                   (b & Qt::RightButton ? kRightButton : 0) |
                                   (b & Qt::MiddleButton ? kMiddleButton : 0));
}

}  // namespace corvanta::qt
