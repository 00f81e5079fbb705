#include "sprite_sheet.hpp"

#include <array>

#include "ball.hpp"
#include "bmp_writer.hpp"
#include "pose.hpp"

namespace corvanta::pictures {

namespace {

constexpr std::array<Rgb, kBalls> kBodies{{
    {255, 183, 12},
    {22, 22, 129},
    {154, 22, 25},
    {86, 25, 129},
    {223, 58, 0},
    {22, 115, 25},
    {116, 25, 29},
    {17, 17, 22},
    {211, 211, 211},
}};
constexpr Rgb kNineStripe{255, 183, 12};

BallLook look_of(int ball) {
  BallLook look;
  look.body = kBodies[static_cast<std::size_t>(ball - 1)];
  look.digit = ball;
  if (ball == 9) look.stripe = Stripe{kNineStripe, 0.58};
  return look;
}

// All balls are 31 pixels wide from the cell's second column; their heights differ by a pixel,
// ball 4 reaching both cell edges and balls 8 and 9 sitting one pixel higher.
Footprint footprint_of(int ball, int cell_x, int cell_y) {
  double top = 1;
  double height = 31;
  if (ball == 4) {
    top = 0;
    height = 32;
  } else if (ball >= 8) {
    top = 0;
  }
  return {cell_x + 1 + 15.5, cell_y + top + height / 2, 15.5, height / 2};
}

// Balls 1-3 roll the number from left to right, 4-7 from top to bottom, 9 from bottom to top
// at half the pace (each view held for two frames); ball 8 shows no roll.
Pose pose_of(int ball, int frame) {
  const auto turns = rolling_turns();
  if (ball == 8) return Pose{};
  if (ball == 9) return turned_upward(turns[static_cast<std::size_t>(frame / 2)]);
  const Turn t = turns[static_cast<std::size_t>(frame % 5)];
  if (ball <= 3) return turned_sideways(t);
  return turned_upward({t.cos, -t.sin});
}

// The ragged seam between the grid and the white stripe: a fixed scatter, written out so that
// the sheet never depends on a random generator.
void draw_margin(Image& sheet) {
  for (int y = 0; y < kSheetHeight; ++y) {
    for (int x = 321; x < kSheetWidth; ++x) sheet.at(x, y) = kWhite;
  }
  for (int y : {37, 142, 251}) sheet.at(320, y) = kWhite;
  constexpr std::array<int, 36> kDark{3,   4,   19,  31,  32,  33,  58,  71,  72,  96,  110, 111,
                                      125, 139, 154, 155, 156, 170, 183, 199, 200, 214, 215, 228,
                                      241, 242, 243, 255, 262, 263, 270, 276, 277, 281, 286, 288};
  std::size_t i = 0;
  for (int y : kDark) {
    const auto level = static_cast<std::uint8_t>(16 * (i++ % 4));
    sheet.at(321, y) = {level, level, level};
  }
}

}  // namespace

Image draw_sprite_sheet() {
  Image sheet(kSheetWidth, kSheetHeight, kBlack);
  for (int ball = 1; ball <= kBalls; ++ball) {
    for (int frame = 0; frame < kFrames; ++frame) {
      draw_ball(sheet, footprint_of(ball, frame * kCell, (ball - 1) * kCell), look_of(ball),
                pose_of(ball, frame));
    }
  }
  draw_margin(sheet);
  return sheet;
}

std::vector<std::uint8_t> sprite_sheet_bmp() {
  return encode_bmp24(draw_sprite_sheet(), 3790, 3800);
}

}  // namespace corvanta::pictures
