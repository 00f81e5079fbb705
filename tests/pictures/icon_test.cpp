#include <gtest/gtest.h>

#include <array>

#include "bmp_reader.hpp"

namespace {

using picture_test::Bytes;
using picture_test::i32_at;
using picture_test::u16_at;
using picture_test::u32_at;

const Bytes& icon() {
  static const Bytes b = picture_test::read_file(CORVANTA_SOURCE_DIR "/assets/corvanta.ico");
  return b;
}

constexpr std::size_t kPalette = 22 + 40;
constexpr std::size_t kXor = kPalette + 64;
constexpr std::size_t kAnd = kXor + 512;

// Rows of both bitmaps are stored bottom-up; y = 0 is the top of the icon as displayed.
int index_at(int x, int y) {
  const std::uint8_t pair = icon().at(kXor + static_cast<std::size_t>((31 - y) * 16 + x / 2));
  return x % 2 == 0 ? pair >> 4 : pair & 0x0F;
}
bool transparent_at(int x, int y) {
  const std::uint8_t bits = icon().at(kAnd + static_cast<std::size_t>((31 - y) * 4 + x / 8));
  return (bits >> (7 - x % 8) & 1) != 0;
}

TEST(WindowIcon, DirectoryEntryAndHeaderFields) {
  const Bytes& b = icon();
  ASSERT_EQ(b.size(), 766u);
  const picture_test::Field fields[] = {
      {0, 2, 0},   {2, 2, 1},    {4, 2, 1},   {10, 2, 1},  {12, 2, 4}, {14, 4, 744},
      {18, 4, 22}, {22, 4, 40},  {26, 4, 32}, {30, 4, 64}, {34, 2, 1}, {36, 2, 4},
      {38, 4, 0},  {42, 4, 640}, {6, 1, 32},  {7, 1, 32},  {8, 1, 16}, {9, 1, 0}};
  for (const auto& f : fields)
    EXPECT_EQ(picture_test::field_value(b, f), f.value) << "offset " << f.at;
  for (std::size_t at = 46; at < kPalette; at += 4) EXPECT_EQ(u32_at(b, at), 0u) << at;
}

TEST(WindowIcon, UsesTheStandardVgaPalette) {
  constexpr std::array<std::uint32_t, 16> kVga{
      0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
      0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  for (std::size_t i = 0; i < 16; ++i) {
    // Stored blue, green, red, reserved: read as little-endian that is 0x00RRGGBB.
    EXPECT_EQ(u32_at(icon(), kPalette + 4 * i), kVga[i]) << i;
  }
}

TEST(WindowIcon, YellowOneBallOnATransparentGround) {
  int opaque = 0;
  int yellow_top = 0, yellow_bottom = 0, white = 0, black = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const double dx = x + 0.5 - 16, dy = y + 0.5 - 16;
      const bool far_out = dx * dx + dy * dy > 16.5 * 16.5;
      const bool well_in = dx * dx + dy * dy < 14.5 * 14.5;
      EXPECT_TRUE(!far_out || transparent_at(x, y)) << x << "," << y;
      EXPECT_TRUE(!well_in || !transparent_at(x, y)) << x << "," << y;
      if (transparent_at(x, y)) {
        EXPECT_EQ(index_at(x, y), 0) << "transparent pixels must not tint the desktop";
        continue;
      }
      ++opaque;
      const int i = index_at(x, y);
      if (i == 11) ++(y < 16 ? yellow_top : yellow_bottom);
      if (dx * dx + dy * dy < 6 * 6) {
        white += i == 15;
        black += i == 0;
      }
    }
  }
  EXPECT_GT(opaque, 700);
  EXPECT_LT(opaque, 800);
  EXPECT_GT(yellow_top, 2 * yellow_bottom) << "lit from above, stored bottom-up";
  EXPECT_GT(white, 30) << "number disc";
  EXPECT_GE(black, 7) << "numeral";
}

}  // namespace
