#pragma once
// Pixel rectangles for the surface's bookkeeping: half-open, [left, right) × [top, bottom).

#include <algorithm>

namespace corvanta {

struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool Empty() const { return right <= left || bottom <= top; }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  long long Area() const { return Empty() ? 0 : static_cast<long long>(Width()) * Height(); }

  PixelRect Intersect(const PixelRect& o) const {
    return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
            std::min(bottom, o.bottom)};
  }
  PixelRect Union(const PixelRect& o) const {
    if (Empty()) return o;
    if (o.Empty()) return *this;
    return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
            std::max(bottom, o.bottom)};
  }
  bool Touches(const PixelRect& o) const {
    return left <= o.right && o.left <= right && top <= o.bottom && o.top <= bottom;
  }
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

}  // namespace corvanta
