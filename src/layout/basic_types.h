#pragma once
// The value types every handler works with: twips, 16-bit Booleans, window handles and rectangles.

#include <cstdint>

namespace corvanta {

// Positions and sizes of windows, controls and balls: 1440 twips to the inch.
using Twips = float;

// 16-bit Booleans: True is all bits set; any nonzero value reads as True.
using Boolean = std::int16_t;
inline constexpr Boolean kTrue = -1;
inline constexpr Boolean kFalse = 0;

// Window handles travel as 32-bit signed values: Win32 user handles fit, and so do X window ids.
using Hwnd = std::int32_t;

// Client rectangle in pixels, fields in the platform's order.
struct Rect32 {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
};

}  // namespace corvanta
