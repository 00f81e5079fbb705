#pragma once
// A fixed-capacity list of pixel rectangles that merges neighbours as they arrive, so the
// bookkeeping of a frame never allocates and never grows past a handful of entries.

#include <array>
#include <cstddef>
#include <span>

#include "layout/pixel_rect.h"

namespace corvanta {

class RectList {
 public:
  static constexpr std::size_t kCapacity = 32;

  // Adds r. Rectangles that touch r, or whose union wastes little area, are merged into it.
  void Add(const PixelRect& r);
  void Clear() { count_ = 0; }
  bool Empty() const { return count_ == 0; }
  std::span<const PixelRect> Items() const { return {rects_.data(), count_}; }

 private:
  std::array<PixelRect, kCapacity> rects_{};
  std::size_t count_ = 0;
};

}  // namespace corvanta
