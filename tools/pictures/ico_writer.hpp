#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "image.hpp"

namespace corvanta::pictures {

inline constexpr int kIconSize = 32;

// One 32 x 32 image in 16 colours: palette indices top-down, and `transparent` marking the
// pixels that the AND mask lets the desktop show through.
struct IconImage {
  std::array<std::uint8_t, kIconSize * kIconSize> index{};
  std::array<bool, kIconSize * kIconSize> transparent{};
  std::array<Rgb, 16> palette{};
};

std::vector<std::uint8_t> encode_ico4(const IconImage& icon);

}  // namespace corvanta::pictures
