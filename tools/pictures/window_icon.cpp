#include "window_icon.hpp"

#include <array>

#include "ball.hpp"
#include "pose.hpp"

namespace corvanta::pictures {

namespace {

constexpr std::array<Rgb, 16> kVga{{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {192, 192, 192},
    {128, 128, 128},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

// Ordered dithering keeps the shading visible with only 16 colours, and unlike error diffusion
// it cannot smear colour across the numeral.
constexpr std::array<int, 16> kBayer{0, 8, 2, 10, 12, 4, 14, 6, 3, 11, 1, 9, 15, 7, 13, 5};

std::uint8_t nearest_vga(Rgb c, int x, int y) {
  const int nudge = (kBayer[static_cast<std::size_t>((y % 4) * 4 + x % 4)] - 8) * 3;
  const int r = c.r + nudge;
  const int g = c.g + nudge;
  const int b = c.b + nudge;
  std::uint8_t best = 0;
  int best_distance = 1 << 30;
  // Only the yellows, greys and black: a dark rim pixel must not come out maroon or green.
  for (std::size_t i : {0, 3, 7, 8, 11, 15}) {
    const int dr = r - kVga[i].r;
    const int dg = g - kVga[i].g;
    const int db = b - kVga[i].b;
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < best_distance) {
      best_distance = distance;
      best = static_cast<std::uint8_t>(i);
    }
  }
  return best;
}

}  // namespace

IconImage draw_window_icon() {
  Image rgb(kIconSize, kIconSize, kBlack);
  const Footprint where{16, 16, 15.5, 15.5};
  BallLook look;
  look.body = {255, 220, 0};  // VGA yellow sits far from the sheet's warmer yellow
  look.digit = 1;
  look.number_radius = 0.5;
  look.darkest = 0.6;  // two flat tones read better than a long ramp at 16 colours
  draw_ball(rgb, where, look, Pose{});

  IconImage icon;
  icon.palette = kVga;
  for (int y = 0; y < kIconSize; ++y) {
    for (int x = 0; x < kIconSize; ++x) {
      const auto at = static_cast<std::size_t>(y * kIconSize + x);
      icon.transparent[at] = !where.covers_pixel(x, y);
      // Transparent pixels stay index 0 (black), so the XOR pass leaves the desktop unchanged.
      icon.index[at] = icon.transparent[at] ? 0 : nearest_vga(rgb.at(x, y), x, y);
    }
  }
  return icon;
}

std::vector<std::uint8_t> window_icon_ico() { return encode_ico4(draw_window_icon()); }

}  // namespace corvanta::pictures
