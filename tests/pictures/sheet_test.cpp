#include <gtest/gtest.h>

#include <array>
#include <map>

#include "ball_colours.hpp"
#include "bmp_reader.hpp"

namespace {

using picture_test::Bmp24;
using picture_test::Rgb;

constexpr int kCell = 32;

const Bmp24& sheet() {
  static const Bmp24 bmp(picture_test::read_file(CORVANTA_SOURCE_DIR "/assets/sheet.bmp"));
  return bmp;
}

Rgb cell_px(int ball, int frame, int x, int y) {
  return sheet().at(frame * kCell + x, (ball - 1) * kCell + y);
}

bool same_cell(int ball, int frame_a, int frame_b) {
  for (int y = 0; y < kCell; ++y)
    for (int x = 0; x < kCell; ++x)
      if (!(cell_px(ball, frame_a, x, y) == cell_px(ball, frame_b, x, y))) return false;
  return true;
}

constexpr Rgb kYellow = ball_colours::As<Rgb>(ball_colours::kNineStripe);

// Vertical extents of the disc inside its cell, first and last row.
std::pair<int, int> rows_of(int ball) {
  if (ball == 4) return {0, 31};
  if (ball >= 8) return {0, 30};
  return {1, 31};
}

bool inside_disc(int ball, int x, int y) {
  const auto [top, bottom] = rows_of(ball);
  const double ry = (bottom - top + 1) / 2.0;
  const double u = (x + 0.5 - 16.5) / 15.5;
  const double v = (y + 0.5 - (top + ry)) / ry;
  return u * u + v * v <= 1;
}

TEST(SheetFile, HeadersDescribeTheBottomUp24BitPicture) {
  const auto& b = sheet().bytes();
  ASSERT_EQ(b.size(), 286574u);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  const picture_test::Field fields[] = {
      {2, 4, 286574}, {6, 4, 0},     {10, 4, 54}, {14, 4, 40}, {18, 4, 329},
      {22, 4, 290},   {26, 2, 1},    {28, 2, 24}, {30, 4, 0},  {34, 4, 286520},
      {38, 4, 3790},  {42, 4, 3800}, {46, 4, 0},  {50, 4, 0}};
  for (const auto& f : fields)
    EXPECT_EQ(picture_test::field_value(b, f), f.value) << "offset " << f.at;
}

TEST(SheetFile, RowsArePaddedWithZeroAndStoredBottomRowFirst) {
  const auto& b = sheet().bytes();
  for (std::size_t row = 0; row < 290; ++row) ASSERT_EQ(b[54 + row * 988 + 987], 0) << row;
  // Raw offsets on purpose: the first stored row is the black-and-white bottom edge, and
  // ball 1 (top of the picture) lives near the end of the data.
  EXPECT_EQ(b[54 + 100 * 3], 0);
  EXPECT_EQ(b[54 + 325 * 3], 255);
  const std::size_t ball1_sample = 54 + (289 - 7) * 988 + 24 * 3;
  EXPECT_EQ(b[ball1_sample], 12);
  EXPECT_EQ(b[ball1_sample + 1], 183);
  EXPECT_EQ(b[ball1_sample + 2], 255);
}

TEST(SheetCells, EachBallFillsExactlyItsDiscOnBlack) {
  for (int ball = 1; ball <= 9; ++ball) {
    const auto [top, bottom] = rows_of(ball);
    for (int frame = 0; frame < 10; ++frame) {
      int min_x = kCell, max_x = -1, min_y = kCell, max_y = -1;
      for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kCell; ++x) {
          const Rgb p = cell_px(ball, frame, x, y);
          if (!inside_disc(ball, x, y)) {
            ASSERT_TRUE(p.is_black())
                << "ball " << ball << " frame " << frame << " at " << x << "," << y;
          } else if (!p.is_black()) {
            min_x = std::min(min_x, x), max_x = std::max(max_x, x);
            min_y = std::min(min_y, y), max_y = std::max(max_y, y);
          }
        }
      }
      EXPECT_EQ(min_x, 1) << ball << "/" << frame;
      EXPECT_EQ(max_x, 31) << ball << "/" << frame;
      EXPECT_EQ(min_y, top) << ball << "/" << frame;
      EXPECT_EQ(max_y, bottom) << ball << "/" << frame;
    }
  }
}

// Sample points, within the cell, that stay on the plain body in every frame: (24, 7) for
// balls 1-8, the nine ball's stripe there too and its white at (4, 14).
TEST(SheetCells, BodyColoursAreExactAndDominant) {
  for (int ball = 1; ball <= 9; ++ball) {
    const Rgb body = ball_colours::Body<Rgb>(ball);
    for (int frame = 0; frame < 10; ++frame) {
      if (ball == 9) {
        EXPECT_EQ(cell_px(9, frame, 24, 7), kYellow) << frame;
        EXPECT_EQ(cell_px(9, frame, 4, 14), body) << frame;
        continue;
      }
      EXPECT_EQ(cell_px(ball, frame, 24, 7), body) << ball << "/" << frame;
      std::map<std::tuple<int, int, int>, int> counts;
      int disc = 0;
      for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kCell; ++x) {
          if (!inside_disc(ball, x, y)) continue;
          const Rgb p = cell_px(ball, frame, x, y);
          ++counts[{p.r, p.g, p.b}];
          ++disc;
        }
      }
      const int exact = counts[{body.r, body.g, body.b}];
      for (const auto& [colour, n] : counts) EXPECT_LE(n, exact) << ball << "/" << frame;
      EXPECT_GE(exact * 5, disc) << "body colour covers under a fifth of ball " << ball;
    }
  }
}

TEST(SheetCells, LitFromTheUpperLeft) {
  for (int ball = 1; ball <= 9; ++ball) {
    for (int frame = 0; frame < 10; ++frame) {
      const Rgb glint = cell_px(ball, frame, 12, 11);
      EXPECT_GE(std::min({glint.r, glint.g, glint.b}), 200) << ball << "/" << frame;
      const Rgb lit = cell_px(ball, frame, 24, 7);
      const Rgb shaded = cell_px(ball, frame, 24, 27);
      EXPECT_LT(shaded.r + shaded.g + shaded.b, lit.r + lit.g + lit.b) << ball << "/" << frame;
    }
  }
}

TEST(SheetFrames, RepeatInTheRowsPattern) {
  for (int ball = 1; ball <= 7; ++ball) {
    for (int f = 0; f < 5; ++f) {
      EXPECT_TRUE(same_cell(ball, f, f + 5)) << ball << "/" << f;
      for (int g = f + 1; g < 5; ++g) EXPECT_FALSE(same_cell(ball, f, g)) << ball << "/" << f;
    }
  }
  for (int f = 1; f < 10; ++f) EXPECT_TRUE(same_cell(8, 0, f)) << f;
  for (int v = 0; v < 5; ++v) {
    EXPECT_TRUE(same_cell(9, 2 * v, 2 * v + 1)) << v;
    for (int w = v + 1; w < 5; ++w) EXPECT_FALSE(same_cell(9, 2 * v, 2 * w)) << v;
  }
}

// Lighting is fixed to the viewer, so where a view differs from most of the five views of
// its ball, it shows the number disc; the centre of those pixels tracks the disc.
std::pair<double, double> number_centre(int ball, int frame, int view_step) {
  double sx = 0, sy = 0, n = 0;
  for (int y = 0; y < kCell; ++y) {
    for (int x = 0; x < kCell; ++x) {
      const Rgb p = cell_px(ball, frame, x, y);
      int agree = 0;
      for (int v = 0; v < 5; ++v) agree += cell_px(ball, v * view_step, x, y) == p;
      if (agree <= 2) sx += x, sy += y, ++n;
    }
  }
  return {sx / n, sy / n};
}

TEST(SheetFrames, NumberDiscRollsFromRimToRim) {
  for (int ball : {1, 2, 3, 4, 5, 6, 7, 9}) {
    const int step = ball == 9 ? 2 : 1;
    std::array<double, 5> track{};
    for (int v = 0; v < 5; ++v) {
      const auto [x, y] = number_centre(ball, v * step, step);
      track[static_cast<std::size_t>(v)] = ball <= 3 ? x : ball == 9 ? 32 - y : y;
    }
    EXPECT_LT(track[0], 9) << "ball " << ball << " starts at the rim";
    EXPECT_GT(track[4], 23) << "ball " << ball << " ends at the opposite rim";
    for (std::size_t v = 1; v < 5; ++v) EXPECT_GT(track[v], track[v - 1] + 3) << ball << "/" << v;
  }
}

TEST(SheetMargin, RaggedWhiteStripeRightAndBlackRowsBelowTheGrid) {
  const Rgb white{255, 255, 255};
  int white_in_320 = 0;
  int dark_in_321 = 0;
  for (int y = 0; y < 290; ++y) {
    for (int x = 322; x <= 328; ++x) ASSERT_EQ(sheet().at(x, y), white) << y;
    const Rgb a = sheet().at(320, y);
    white_in_320 += a == white;
    EXPECT_TRUE(a.is_black() || a == white) << y;
    const Rgb b = sheet().at(321, y);
    if (!(b == white)) {
      ++dark_in_321;
      EXPECT_LT(std::max({b.r, b.g, b.b}), 64) << y;
    }
  }
  EXPECT_EQ(white_in_320, 3);
  EXPECT_GE(dark_in_321, 24);
  EXPECT_LE(dark_in_321, 48);
  for (int y = 288; y < 290; ++y)
    for (int x = 0; x < 320; ++x) ASSERT_TRUE(sheet().at(x, y).is_black()) << x << "," << y;
}

}  // namespace
