#include "bmp_writer.hpp"

#include "byte_writer.hpp"

namespace corvanta::pictures {

std::vector<std::uint8_t> encode_bmp24(const Image& image, std::int32_t x_pixels_per_metre,
                                       std::int32_t y_pixels_per_metre) {
  const auto width = static_cast<std::uint32_t>(image.width());
  const auto height = static_cast<std::uint32_t>(image.height());
  const std::uint32_t row_bytes = (width * 3 + 3) / 4 * 4;
  const std::uint32_t data_bytes = row_bytes * height;
  constexpr std::uint32_t kHeaders = 14 + 40;

  ByteWriter out;
  out.u8('B');
  out.u8('M');
  out.u32(kHeaders + data_bytes);
  out.u32(0);
  out.u32(kHeaders);

  out.u32(40);
  out.i32(static_cast<std::int32_t>(width));
  out.i32(static_cast<std::int32_t>(height));  // positive: bottom row stored first
  out.u16(1);
  out.u16(24);
  out.u32(0);
  out.u32(data_bytes);
  out.i32(x_pixels_per_metre);
  out.i32(y_pixels_per_metre);
  out.u32(0);
  out.u32(0);

  for (int y = image.height() - 1; y >= 0; --y) {
    for (int x = 0; x < image.width(); ++x) {
      const Rgb& p = image.at(x, y);
      out.u8(p.b);
      out.u8(p.g);
      out.u8(p.r);
    }
    for (std::uint32_t pad = width * 3; pad < row_bytes; ++pad) out.u8(0);
  }
  return out.take();
}

}  // namespace corvanta::pictures
