#pragma once

#include <cstdint>
#include <vector>

#include "ico_writer.hpp"

namespace corvanta::pictures {

// The yellow 1 ball on a transparent ground, in the standard 16-colour VGA palette.
IconImage draw_window_icon();
std::vector<std::uint8_t> window_icon_ico();

}  // namespace corvanta::pictures
