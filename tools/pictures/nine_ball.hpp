#pragma once

#include <cstdint>
#include <vector>

#include "image.hpp"

namespace corvanta::pictures {

// The settings dialog's 32 x 32 nine ball, face-on, inside a one-pixel red frame.
Image draw_nine_ball();
std::vector<std::uint8_t> nine_ball_bmp();

}  // namespace corvanta::pictures
