#include "pose.hpp"

#include <cmath>

namespace corvanta::pictures {

std::array<Turn, 5> rolling_turns() {
  const double half_root3 = std::sqrt(3.0) / 2;
  return {{{0.5, -half_root3}, {half_root3, -0.5}, {1, 0}, {half_root3, 0.5}, {0.5, half_root3}}};
}

Pose turned_sideways(Turn t) { return {{t.cos, 0, -t.sin}, {0, 1, 0}, {t.sin, 0, t.cos}}; }

Pose turned_upward(Turn t) { return {{1, 0, 0}, {0, t.cos, -t.sin}, {0, t.sin, t.cos}}; }

Pose facing(double u, double v) {
  const Vec3 face{u, v, std::sqrt(1 - u * u - v * v)};
  const Vec3 right = normalized(Vec3{1, 0, 0} - face.x * face);
  return {right, cross(face, right), face};
}

}  // namespace corvanta::pictures
