// The caption rasteriser on its own: it stays inside the box it is given, and without any font
// it still fills the box.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "layout/designs.h"
#include "platform/linux/caption_raster.h"

namespace corvanta::linux_services {
namespace {

constexpr std::uint32_t kGuard = 0x00123456u;
constexpr Colour kYellow = 0x0080FFFFu;  // 0x00BBGGRR
constexpr Colour kBlue = 0x00FF0000u;

const FontDesign& CaptionFont() { return *kMainDesign.Control("Label1").font; }

// A box of w x h inside a larger image of guard pixels, rows padded as a compositor's buffer
// may be, so that any write outside the box shows.
struct Canvas {
  static constexpr int kPad = 8;
  int w, h, stride_px;
  std::vector<std::uint32_t> pixels;
  Canvas(int width, int height)
      : w(width),
        h(height),
        stride_px(width + 2 * kPad),
        pixels(static_cast<std::size_t>(stride_px) * (height + 2 * kPad), kGuard) {}
  std::uint32_t* Box() { return pixels.data() + kPad * stride_px + kPad; }
  std::uint32_t& At(int x, int y) { return pixels[(y + kPad) * stride_px + x + kPad]; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
  void Draw(CaptionRaster& raster, std::string_view text, Colour fore, Colour back) {
    raster.Draw(text, fore, back, Box(), stride_px * 4, w, h);
  }
};

TEST(CaptionRaster, ColoursTheBoxAndNothingElse) {
  CaptionRaster raster(CaptionFont(), 96.0 / 72);
  ASSERT_TRUE(raster.HasFace());
  // A box smaller than the caption: the glyphs are cut at its right and bottom edges.
  for (const auto& [w, h] : {std::pair{129, 25}, std::pair{30, 9}, std::pair{1, 1}}) {
    Canvas canvas(w, h);
    canvas.Draw(raster, "9 Ball Wins !", kYellow, kBlue);
    int fore = 0, back = 0, blended = 0;
    for (int y = -Canvas::kPad; y < h + Canvas::kPad; ++y) {
      for (int x = -Canvas::kPad; x < w + Canvas::kPad; ++x) {
        const std::uint32_t p = canvas.At(x, y);
        if (!canvas.Inside(x, y)) {
          ASSERT_EQ(p, kGuard) << "written outside the box at " << x << "," << y;
          continue;
        }
        fore += p == 0x00FFFF80u;  // 0x00RRGGBB
        back += p == 0x000000FFu;
        // Anti-aliased edges: red and green rise together, blue falls.
        blended += p != 0x00FFFF80u && p != 0x000000FFu;
        if (p != 0x000000FFu) {
          EXPECT_EQ((p >> 16) & 0xFF, (p >> 8) & 0xFF);
        }
      }
    }
    EXPECT_GT(back, 0) << w << "x" << h;
    if (w > 1) {
      EXPECT_GT(fore, 0) << w << "x" << h;
      EXPECT_GT(blended, 0) << "grey-scale edges expected";
    }
  }
}

TEST(CaptionRaster, RedrawsWhenTheCaptionChanges) {
  CaptionRaster raster(CaptionFont(), 96.0 / 72);
  Canvas four(129, 25), nine(129, 25), again(129, 25);
  four.Draw(raster, "4 Ball Wins !", kYellow, 0);
  nine.Draw(raster, "9 Ball Wins !", kYellow, 0);
  again.Draw(raster, "4 Ball Wins !", kYellow, 0);
  EXPECT_NE(four.pixels, nine.pixels);
  EXPECT_EQ(four.pixels, again.pixels);
}

// A box that crosses the buffer's edges shows the part of the caption a whole box shows there,
// and the buffer outside the box is left alone.
TEST(CaptionRaster, ClipsABoxAtTheBuffersEdges) {
  CaptionRaster raster(CaptionFont(), 96.0 / 72);
  Canvas whole(129, 25), buffer(100, 30);
  whole.Draw(raster, "9 Ball Wins !", kYellow, kBlue);
  const PixelRect box{-20, -5, 109, 20};
  raster.Draw("9 Ball Wins !", kYellow, kBlue, buffer.Box(), buffer.stride_px * 4, buffer.w,
              buffer.h, box);
  for (int y = -Canvas::kPad; y < buffer.h + Canvas::kPad; ++y) {
    for (int x = -Canvas::kPad; x < buffer.w + Canvas::kPad; ++x) {
      const bool in_box = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
      const std::uint32_t expected =
          !buffer.Inside(x, y) || !in_box ? kGuard : whole.At(x - box.left, y - box.top);
      ASSERT_EQ(buffer.At(x, y), expected) << x << "," << y;
    }
  }
  // Wholly outside: nothing drawn.
  const std::vector<std::uint32_t> before = buffer.pixels;
  raster.Draw("9", kYellow, kBlue, buffer.Box(), buffer.stride_px * 4, buffer.w, buffer.h,
              PixelRect{100, 0, 229, 25});
  EXPECT_EQ(buffer.pixels, before);
}

TEST(CaptionRaster, SurvivesAnyBytesAndNoRoom) {
  CaptionRaster raster(CaptionFont(), 2 * 96.0 / 72);
  Canvas canvas(40, 12);
  // Truncated and stray continuation bytes, an overlong form, a code point past Unicode.
  canvas.Draw(raster, std::string_view("\xE2\x82 \x80\xC0\xAF\xF7\xBF\xBF\xBF\0z", 13), kYellow, 0);
  canvas.Draw(raster, "", kYellow, 0);
  raster.Draw("9", kYellow, 0, nullptr, 0, 10, 10);
  raster.Draw("9", kYellow, 0, canvas.Box(), 4, 10, 10);  // stride shorter than a row
  for (int y = 0; y < canvas.h; ++y)
    for (int x = 0; x < canvas.w; ++x) ASSERT_EQ(canvas.At(x, y), 0u);
}

// Run by the CaptionRaster.NoFontAnywhere test, with fontconfig given no font at all.
TEST(CaptionRasterNoFont, FillsTheBoxWithoutText) {
  if (!std::getenv("CORVANTA_NO_FONTS")) GTEST_SKIP() << "needs a machine without fonts";
  CaptionRaster raster(CaptionFont(), 96.0 / 72);
  EXPECT_FALSE(raster.HasFace());
  EXPECT_TRUE(raster.FontFile().empty());
  Canvas canvas(129, 25);
  canvas.Draw(raster, "9 Ball Wins !", kYellow, kBlue);
  for (int y = 0; y < canvas.h; ++y)
    for (int x = 0; x < canvas.w; ++x) ASSERT_EQ(canvas.At(x, y), 0x000000FFu);
}

}  // namespace
}  // namespace corvanta::linux_services
