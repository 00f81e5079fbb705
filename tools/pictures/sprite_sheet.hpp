#pragma once

#include <cstdint>
#include <vector>

#include "image.hpp"

namespace corvanta::pictures {

inline constexpr int kSheetWidth = 329;
inline constexpr int kSheetHeight = 290;
inline constexpr int kCell = 32;
inline constexpr int kFrames = 10;
inline constexpr int kBalls = 9;

// Nine rows (ball 1 at the top) of ten rolling frames, with the white margin at the right.
Image draw_sprite_sheet();
std::vector<std::uint8_t> sprite_sheet_bmp();

}  // namespace corvanta::pictures
