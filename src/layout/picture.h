#pragma once
// A decoded picture: what a picture box paints from. Pixels are opaque 0xFFRRGGBB, top row first,
// the layout both Qt (RGB32) and a 32-bit Windows DIB read directly.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace corvanta {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Decodes an uncompressed 24- or 32-bit Windows bitmap file. Returns an empty picture for
// anything else: the pictures are our own, so a failure here means a broken build.
Picture DecodeBmp(std::span<const std::uint8_t> file);

// The pictures built into the program.
std::span<const std::uint8_t> SpriteSheetFile();
std::span<const std::uint8_t> NineBallFile();
std::span<const std::uint8_t> IconFile();

}  // namespace corvanta
