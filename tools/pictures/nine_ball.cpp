#include "nine_ball.hpp"

#include "ball.hpp"
#include "bmp_writer.hpp"
#include "pose.hpp"

namespace corvanta::pictures {

namespace {

constexpr int kSize = 32;
constexpr Rgb kFrameRed{255, 0, 0};

}  // namespace

Image draw_nine_ball() {
  Image picture(kSize, kSize, kBlack);
  BallLook look;
  look.body = kWhite;
  look.stripe = Stripe{{255, 183, 12}, 0.5};
  look.digit = 9;
  look.darkest = 0.72;  // a white ball only greys toward its rim, it never goes dark
  // Just inside the frame, the number turned a little up and to the left.
  draw_ball(picture, {16, 16, 15, 15}, look, facing(-0.14, 0.14));
  for (int i = 0; i < kSize; ++i) {
    picture.at(i, 0) = kFrameRed;
    picture.at(i, kSize - 1) = kFrameRed;
    picture.at(0, i) = kFrameRed;
    picture.at(kSize - 1, i) = kFrameRed;
  }
  return picture;
}

// 3780 pixels per metre is 96 dots per inch, the density the dialog was laid out for.
std::vector<std::uint8_t> nine_ball_bmp() { return encode_bmp24(draw_nine_ball(), 3780, 3780); }

}  // namespace corvanta::pictures
