#pragma once

#include <array>

#include "vec3.hpp"

namespace corvanta::pictures {

// Where the ball's own axes point, in view space. `face` is the direction of the number disc's
// centre, `up` the numeral's upward direction and `right` its rightward one; the nine ball's
// stripe is the great circle through `face` and `up`.
struct Pose {
  Vec3 right{1, 0, 0};
  Vec3 up{0, 1, 0};
  Vec3 face{0, 0, 1};
};

// A rotation angle given by its cosine and sine; kept as a pair so that every value comes
// from square roots alone, which IEEE arithmetic rounds the same way on every machine.
struct Turn {
  double cos = 1;
  double sin = 0;
};

// -60, -30, 0, 30 and 60 degrees: five equal steps that carry the number disc from one rim to
// the other; at the ends it is squeezed against the rim but still in sight.
std::array<Turn, 5> rolling_turns();

// Number disc turned toward +x (positive angle) about the vertical axis.
Pose turned_sideways(Turn t);
// Number disc turned toward +y (positive angle, i.e. upward) about the horizontal axis.
Pose turned_upward(Turn t);
// Number disc centre seen at (u, v) of the ball's radius, v upward, numeral kept upright.
Pose facing(double u, double v);

}  // namespace corvanta::pictures
