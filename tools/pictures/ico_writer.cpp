#include "ico_writer.hpp"

#include "byte_writer.hpp"

namespace corvanta::pictures {

std::vector<std::uint8_t> encode_ico4(const IconImage& icon) {
  constexpr std::uint32_t kXorRow = kIconSize / 2;  // two pixels a byte, already a multiple of 4
  constexpr std::uint32_t kAndRow = 4;              // 32 bits, already a multiple of 4
  constexpr std::uint32_t kPixelBytes = (kXorRow + kAndRow) * kIconSize;
  constexpr std::uint32_t kImageBytes = 40 + 16 * 4 + kPixelBytes;
  constexpr std::uint32_t kDirectoryBytes = 6 + 16;

  ByteWriter out;
  out.u16(0);
  out.u16(1);  // icon, not cursor
  out.u16(1);

  out.u8(kIconSize);
  out.u8(kIconSize);
  out.u8(16);
  out.u8(0);
  out.u16(1);
  out.u16(4);
  out.u32(kImageBytes);
  out.u32(kDirectoryBytes);

  out.u32(40);
  out.i32(kIconSize);
  out.i32(2 * kIconSize);  // an icon's header counts the XOR and AND bitmaps together
  out.u16(1);
  out.u16(4);
  out.u32(0);
  out.u32(kPixelBytes);
  out.u32(0);
  out.u32(0);
  out.u32(0);
  out.u32(0);

  for (const Rgb& c : icon.palette) {
    out.u8(c.b);
    out.u8(c.g);
    out.u8(c.r);
    out.u8(0);
  }
  for (int y = kIconSize - 1; y >= 0; --y) {
    for (int x = 0; x < kIconSize; x += 2) {
      const auto at = static_cast<std::size_t>(y * kIconSize + x);
      out.u8(static_cast<std::uint32_t>(icon.index[at] << 4 | (icon.index[at + 1] & 0x0F)));
    }
  }
  for (int y = kIconSize - 1; y >= 0; --y) {
    for (int x = 0; x < kIconSize; x += 8) {
      std::uint32_t bits = 0;
      for (int b = 0; b < 8; ++b) {
        if (icon.transparent[static_cast<std::size_t>(y * kIconSize + x + b)]) bits |= 0x80u >> b;
      }
      out.u8(bits);
    }
  }
  return out.take();
}

}  // namespace corvanta::pictures
