#include "ball.hpp"

#include <algorithm>
#include <cmath>

#include "glyphs.hpp"
#include "vec3.hpp"

namespace corvanta::pictures {

namespace {

constexpr int kSamples = 4;  // per pixel edge: 16 samples smooth the rims and numeral edges

struct Colour {
  double r = 0, g = 0, b = 0;
};

Colour from(Rgb c) { return {double(c.r), double(c.g), double(c.b)}; }

Colour mix(Colour a, Colour b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

std::uint8_t to_byte(double v) {
  return static_cast<std::uint8_t>(std::clamp(std::floor(v + 0.5), 0.0, 255.0));
}

// std::pow may differ between C libraries; repeated multiplication does not.
double power(double base, int exponent) {
  double result = 1;
  for (int i = 0; i < exponent; ++i) result *= base;
  return result;
}

// Upper left and in front of the ball; unnormalised, as `normalized` is applied where used.
constexpr Vec3 kLight{-0.45, 0.55, 0.70};

// Where the light strikes squarely the factor is clamped to 1, which leaves a broad patch of
// each ball in its exact body colour.
double diffuse(Vec3 normal, double darkest) {
  const Vec3 light = normalized(kLight);
  const double lit = std::max(0.0, dot(normal, light));
  return std::min(1.0, darkest + (1 - darkest) * 2.2 * lit);
}

double highlight(Vec3 normal) {
  const Vec3 half = normalized(normalized(kLight) + Vec3{0, 0, 1});
  const double s = power(std::max(0.0, dot(normal, half)), 40);
  // A faint tail of glare would nudge body pixels off their exact colour; cut it.
  return s < 0.004 ? 0.0 : s;
}

struct Paint {
  Colour colour;
  bool glossy = true;
};

Paint surface(Vec3 normal, const Footprint& where, const BallLook& look, const Pose& pose) {
  const double across = dot(normal, pose.right);
  const double along = dot(normal, pose.up);
  const double toward = dot(normal, pose.face);
  const double r = look.number_radius;
  if (toward > 0 && across * across + along * along < r * r) {
    // The numeral is printed flat on the disc, so its tangent-plane coordinates map straight to
    // glyph cells; turned away from the viewer the same mapping foreshortens it.
    // Offsets snap the face-on numeral to whole pixels, keeping it crisp at its own size.
    const double gx = across * where.rx + (where.cx - std::round(where.cx - kGlyphWidth / 2.0));
    const double gy = -along * where.ry + (where.cy - std::round(where.cy - kGlyphHeight / 2.0));
    const bool inked = glyph_ink(look.digit, int(std::floor(gx)), int(std::floor(gy)));
    // At 32 pixels a numeral cannot spare a stroke to the glare, so the ink takes no highlight.
    if (inked) return {from(look.ink), false};
    return {from(look.number_disc)};
  }
  if (look.stripe && std::abs(across) < look.stripe->half_width) return {from(look.stripe->colour)};
  return {from(look.body)};
}

}  // namespace

bool Footprint::covers_pixel(int x, int y) const {
  const double u = (x + 0.5 - cx) / rx;
  const double v = (y + 0.5 - cy) / ry;
  return u * u + v * v <= 1;
}

void draw_ball(Image& image, const Footprint& where, const BallLook& look, const Pose& pose) {
  const int x0 = std::max(0, int(std::floor(where.cx - where.rx)));
  const int x1 = std::min(image.width() - 1, int(std::ceil(where.cx + where.rx)));
  const int y0 = std::max(0, int(std::floor(where.cy - where.ry)));
  const int y1 = std::min(image.height() - 1, int(std::ceil(where.cy + where.ry)));
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      if (!where.covers_pixel(x, y)) continue;
      Colour sum;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const double u = (x + (sx + 0.5) / kSamples - where.cx) / where.rx;
          const double v = -(y + (sy + 0.5) / kSamples - where.cy) / where.ry;
          const double rr = u * u + v * v;
          if (rr > 1) continue;  // the part of a rim pixel beyond the ball stays black
          const Vec3 normal{u, v, std::sqrt(1 - rr)};
          const Paint paint = surface(normal, where, look, pose);
          const Colour lit = mix(Colour{}, paint.colour, diffuse(normal, look.darkest));
          const Colour c = paint.glossy ? mix(lit, from(kWhite), highlight(normal)) : lit;
          sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
        }
      }
      constexpr double n = kSamples * kSamples;
      image.at(x, y) = {to_byte(sum.r / n), to_byte(sum.g / n), to_byte(sum.b / n)};
    }
  }
}

}  // namespace corvanta::pictures
