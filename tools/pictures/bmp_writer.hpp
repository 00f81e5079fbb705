#pragma once

#include <cstdint>
#include <vector>

#include "image.hpp"

namespace corvanta::pictures {

// An uncompressed 24-bit Windows bitmap: file header, 40-byte information header, no palette,
// rows bottom-up and padded to four bytes.
std::vector<std::uint8_t> encode_bmp24(const Image& image, std::int32_t x_pixels_per_metre,
                                       std::int32_t y_pixels_per_metre);

}  // namespace corvanta::pictures
