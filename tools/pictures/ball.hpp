#pragma once

#include <optional>

#include "image.hpp"
#include "pose.hpp"

namespace corvanta::pictures {

struct Stripe {
  Rgb colour;
  double half_width = 0;  // in ball radii, measured across the stripe's great circle
};

struct BallLook {
  Rgb body;
  std::optional<Stripe> stripe;
  int digit = 0;
  double number_radius = 0.45;  // of the number disc, in ball radii, seen face-on
  Rgb number_disc = kWhite;
  Rgb ink = kBlack;
  double darkest = 0.45;  // shade factor on the unlit rim; 1 keeps a colour unchanged
};

// The outline of the ball on the image: an ellipse (a pixel belongs to the ball when its centre
// lies inside), so that a ball may be a pixel taller than it is wide.
struct Footprint {
  double cx = 0;  // pixel x spans [x, x + 1), so a centre at 16.5 means pixel 16
  double cy = 0;
  double rx = 0;
  double ry = 0;
  bool covers_pixel(int x, int y) const;
};

// Paints a lit sphere into `image`; pixels outside the footprint are left untouched. Light
// comes from the upper left, so wherever it falls squarely the colours stay exactly as given.
void draw_ball(Image& image, const Footprint& where, const BallLook& look, const Pose& pose);

}  // namespace corvanta::pictures
