#include "layout/rect_list.h"

namespace corvanta {
namespace {

// Merging two rectangles is worth it when their union is not much bigger than the two apart:
// one larger blit is cheaper than two small ones plus the bookkeeping.
bool WorthMerging(const PixelRect& a, const PixelRect& b) {
  if (a.Touches(b)) return true;
  const PixelRect u = a.Union(b);
  return u.Area() <= (a.Area() + b.Area()) * 5 / 4;
}

}  // namespace

void RectList::Add(const PixelRect& r) {
  if (r.Empty()) return;
  PixelRect merged = r;
  // A merge can make the result reach others, so sweep until nothing more joins.
  bool again = true;
  while (again) {
    again = false;
    for (std::size_t i = 0; i < count_;) {
      if (WorthMerging(rects_[i], merged)) {
        merged = merged.Union(rects_[i]);
        rects_[i] = rects_[--count_];
        again = true;
      } else {
        ++i;
      }
    }
  }
  if (count_ == kCapacity) {
    // Full: fold everything into one rectangle rather than lose a change.
    for (std::size_t i = 0; i < count_; ++i) merged = merged.Union(rects_[i]);
    count_ = 0;
  }
  rects_[count_++] = merged;
}

}  // namespace corvanta
