#include "layout/picture.h"

#include <cstdlib>

namespace corvanta {
namespace {

std::uint32_t Le32(std::span<const std::uint8_t> b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t Le16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

}  // namespace

Picture DecodeBmp(std::span<const std::uint8_t> file) {
  if (file.size() < 54 || file[0] != 'B' || file[1] != 'M') return {};
  const std::uint32_t offset = Le32(file, 10);
  const auto width = static_cast<std::int32_t>(Le32(file, 18));
  const auto height = static_cast<std::int32_t>(Le32(file, 22));
  const std::uint16_t bpp = Le16(file, 28);
  if (Le32(file, 30) != 0 || (bpp != 24 && bpp != 32)) return {};
  if (width <= 0 || height == 0 || width > 16384 || std::abs(height) > 16384) return {};
  const int rows = std::abs(height);
  const std::size_t stride = (static_cast<std::size_t>(width) * (bpp / 8) + 3) & ~std::size_t{3};
  if (offset > file.size() || (file.size() - offset) / stride < static_cast<std::size_t>(rows)) {
    return {};
  }
  Picture pic{width, rows, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * rows)};
  for (int y = 0; y < rows; ++y) {
    // A positive height means the first stored row is the bottom one.
    const int stored = height > 0 ? rows - 1 - y : y;
    const std::size_t row = offset + static_cast<std::size_t>(stored) * stride;
    for (int x = 0; x < width; ++x) {
      const std::size_t p = row + static_cast<std::size_t>(x) * (bpp / 8);
      pic.pixels[static_cast<std::size_t>(y) * width + x] =
          0xFF000000u | static_cast<std::uint32_t>(file[p + 2]) << 16 | file[p + 1] << 8 | file[p];
    }
  }
  return pic;
}

}  // namespace corvanta
