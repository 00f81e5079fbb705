#include <gtest/gtest.h>

#include "ball_colours.hpp"
#include "bmp_reader.hpp"

namespace {

using picture_test::Bmp24;
using picture_test::Rgb;

const Bmp24& nine() {
  static const Bmp24 bmp(picture_test::read_file(CORVANTA_SOURCE_DIR "/assets/nineball.bmp"));
  return bmp;
}

// Resolution is 3780 pixels per metre both ways: 96 dots per inch, the dialog's density.
TEST(NineBallPicture, Headers) {
  const auto& b = nine().bytes();
  ASSERT_EQ(b.size(), 3126u);
  const picture_test::Field fields[] = {{0, 2, 0x4D42 /* "BM" */},
                                        {2, 4, 3126},
                                        {6, 4, 0},
                                        {10, 4, 54},
                                        {14, 4, 40},
                                        {18, 4, 32},
                                        {22, 4, 32},
                                        {26, 2, 1},
                                        {28, 2, 24},
                                        {30, 4, 0},
                                        {34, 4, 3072},
                                        {38, 4, 3780},
                                        {42, 4, 3780},
                                        {46, 4, 0},
                                        {50, 4, 0}};
  for (const auto& f : fields)
    EXPECT_EQ(picture_test::field_value(b, f), f.value) << "offset " << f.at;
}

TEST(NineBallPicture, RedFrameAroundABallOnBlack) {
  const Rgb red{255, 0, 0};
  for (int i = 0; i < 32; ++i) {
    EXPECT_EQ(nine().at(i, 0), red) << i;
    EXPECT_EQ(nine().at(i, 31), red) << i;
    EXPECT_EQ(nine().at(0, i), red) << i;
    EXPECT_EQ(nine().at(31, i), red) << i;
  }
  for (auto [x, y] : {std::pair{1, 1}, {30, 1}, {1, 30}, {30, 30}}) {
    EXPECT_TRUE(nine().at(x, y).is_black()) << x << "," << y;
  }
}

bool yellowish(Rgb p) { return p.r > 180 && p.g > 120 && p.g < 200 && p.b < 60; }
bool pale_grey(Rgb p) {
  return std::min({p.r, p.g, p.b}) >= 170 &&
         std::max({p.r, p.g, p.b}) - std::min({p.r, p.g, p.b}) <= 6;
}

TEST(NineBallPicture, WhiteBallWithAYellowBandTopToBottom) {
  bool exact_yellow = false;
  for (int y = 2; y <= 29; ++y) {
    EXPECT_TRUE(yellowish(nine().at(16, y)) || y > 6) << "band must reach the top, row " << y;
    for (int x = 1; x <= 30; ++x)
      exact_yellow |= nine().at(x, y) == ball_colours::As<Rgb>(ball_colours::kNineStripe);
  }
  EXPECT_TRUE(exact_yellow);
  EXPECT_TRUE(yellowish(nine().at(16, 28)));
  // White sides, lighter in the middle than at the rim.
  for (int x : {4, 27}) EXPECT_TRUE(pale_grey(nine().at(x, 16))) << x;
  EXPECT_EQ(nine().at(5, 12), (Rgb{255, 255, 255}));
  EXPECT_GT(nine().at(5, 12).r, nine().at(2, 20).r);
  EXPECT_GT(nine().at(27, 12).r, nine().at(29, 18).r);
}

TEST(NineBallPicture, NumeralSitsAboveAndLeftOfCentre) {
  double sx = 0, sy = 0;
  int ink = 0;
  for (int y = 1; y <= 30; ++y) {
    for (int x = 1; x <= 30; ++x) {
      const Rgb p = nine().at(x, y);
      if (std::max({p.r, p.g, p.b}) >= 80) continue;
      // Dark pixels off the rim belong to the numeral.
      const double dx = x + 0.5 - 16, dy = y + 0.5 - 16;
      if (dx * dx + dy * dy > 12 * 12) continue;
      sx += x + 0.5, sy += y + 0.5, ++ink;
    }
  }
  ASSERT_GE(ink, 12);
  EXPECT_LE(ink, 30);
  EXPECT_LT(sx / ink, 16);
  EXPECT_LT(sy / ink, 16);
  EXPECT_GT(sx / ink, 10);
  EXPECT_GT(sy / ink, 10);
}

}  // namespace
