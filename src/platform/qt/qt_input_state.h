#pragma once
// The Shift and Button arguments of the input events, from Qt's modifier and button flags:
// bit 1 Shift or left, 2 Ctrl or right, 4 Alt or middle.

#include <QMouseEvent>
#include <cstdint>

namespace corvanta::qt {

inline std::int16_t ShiftState(Qt::KeyboardModifiers m) {
  return static_cast<std::int16_t>((m & Qt::ShiftModifier ? 1 : 0) |
                                   (m & Qt::ControlModifier ? 2 : 0) |
                                   (m & Qt::AltModifier ? 4 : 0));
}

inline std::int16_t ButtonState(Qt::MouseButtons b) {
  return static_cast<std::int16_t>((b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) |
                                   (b & Qt::MiddleButton ? 4 : 0));
}

}  // namespace corvanta::qt
