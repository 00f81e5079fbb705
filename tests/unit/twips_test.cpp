// Twips and pixels at their edges: halves to even, saturation, NaN and infinities.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "layout/twips.h"

namespace corvanta {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int kPixelLimit = std::numeric_limits<int>::max() / 4;

TEST(Twips, ToPixelsRoundsHalvesToEven) {
  EXPECT_EQ(TwipsToPixels(22.5, 15), 2);   // 1.5
  EXPECT_EQ(TwipsToPixels(37.5, 15), 2);   // 2.5
  EXPECT_EQ(TwipsToPixels(-22.5, 15), -2);
  EXPECT_EQ(TwipsToPixels(1440, 15), 96);
  EXPECT_EQ(TwipsToPixels(1440, 7.5), 192);
}

TEST(Twips, PerPixelFollowsTheDotsPerInch) {
  EXPECT_EQ(TwipsPerPixelAt(96), 15.0f);
  EXPECT_EQ(TwipsPerPixelAt(144), 10.0f);  // 150 %
  EXPECT_EQ(TwipsPerPixelAt(120), 12.0f);  // 125 %
  // At 150 %, a move of 45 twips is 4.5 of its pixels: 3 of 96 to the inch, as at 100 %.
  EXPECT_EQ(45 / TwipsPerPixelAt(144), 4.5f);
}

TEST(Twips, ToPixelsSaturatesInsteadOfOverflowing) {
  EXPECT_EQ(TwipsToPixels(1e30, 15), kPixelLimit);
  EXPECT_EQ(TwipsToPixels(-1e30, 15), -kPixelLimit);
  EXPECT_EQ(TwipsToPixels(kInf, 15), kPixelLimit);
  EXPECT_EQ(TwipsToPixels(1, 0), kPixelLimit) << "no twips per pixel";
  EXPECT_EQ(TwipsToPixels(kNaN, 15), -kPixelLimit);
}

TEST(Twips, RoundSaturatedHoldsItsBounds) {
  constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
  constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(RoundSaturated(2147483647.4, kMin, kMax), kMax);
  EXPECT_EQ(RoundSaturated(2147483648.0, kMin, kMax), kMax);
  EXPECT_EQ(RoundSaturated(-2147483648.0, kMin, kMax), kMin);
  EXPECT_EQ(RoundSaturated(-3e9, kMin, kMax), kMin);
  EXPECT_EQ(RoundSaturated(kNaN, -5, 5), -5);
  EXPECT_EQ(RoundSaturated(4.5, -5, 5), 4);
  EXPECT_EQ(RoundSaturated(5.5, -5, 5), 5);
}

TEST(Twips, FromPixelsStaysWithinASingle) {
  EXPECT_EQ(PixelsToTwips(3, 15), 45.0f);
  EXPECT_EQ(PixelsToTwips(-32768, 15), -491520.0f);
  EXPECT_EQ(PixelsToTwips(1e300, 15), std::numeric_limits<float>::max());
  EXPECT_EQ(PixelsToTwips(-1e300, 15), -std::numeric_limits<float>::max());
}

}  // namespace
}  // namespace corvanta
