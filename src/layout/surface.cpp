#include "layout/surface.h"

#include <algorithm>
#include <cstring>

namespace corvanta {

void Surface::Resize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  count_ = static_cast<std::size_t>(width_) * height_;
  pixels_.reset();
  // calloc, not a fill: large blocks come straight from the system as untouched zero pages.
  pixels_.reset(static_cast<std::uint32_t*>(std::calloc(count_ ? count_ : 1, 4)));
  if (!pixels_) {
    width_ = height_ = 0;
    count_ = 0;
  }
  painted_.Clear();
  MarkAll();
}

void Surface::MarkAll() {
  changed_.Clear();
  changed_.Add({0, 0, width_, height_});
}

namespace {

// The rows a frame draws were last touched a whole frame ago and have usually left the caches.
// Asking for all of them before the first is written lets the misses overlap instead of being
// waited for one row at a time; at 3840 pixels a row, every row is a miss of its own.
template <int kWrite>
void PrefetchRows(const std::uint32_t* first, int stride, int rows, int width) {
#if defined(__GNUC__)
  // A large area would only push itself out of the cache before it is reached.
  constexpr long long kMostPixels = 64 * 1024;
  if (static_cast<long long>(rows) * width > kMostPixels) return;
  constexpr int kPixelsPerLine = 16;
  for (int y = 0; y < rows; ++y) {
    const std::uint32_t* row = first + static_cast<std::size_t>(y) * stride;
    for (int x = 0; x < width; x += kPixelsPerLine) __builtin_prefetch(row + x, kWrite);
    __builtin_prefetch(row + width - 1, kWrite);
  }
#else
  (void)first, (void)stride, (void)rows, (void)width;
#endif
}

}  // namespace

void Surface::Clear() {
#ifdef CORVANTA_NAIVE_DRAW
  std::fill(pixels_.get(), pixels_.get() + count_, kBlack);
  painted_.Clear();
  MarkAll();
#else
  for (const PixelRect& r : painted_.Items()) {
    PrefetchRows<1>(PixelAt(r.left, r.top), width_, r.Height(), r.Width());
  }
  for (const PixelRect& r : painted_.Items()) {
    for (int y = r.top; y < r.bottom; ++y) {
      std::uint32_t* row = PixelAt(r.left, y);
      std::fill(row, row + r.Width(), kBlack);
    }
    changed_.Add(r);
  }
  painted_.Clear();
#endif
}

void Surface::Paint(const Picture& pic, PixelRect src, int dx, int dy) {
  src = src.Intersect({0, 0, pic.width, pic.height});
  // Shift the destination by whatever the source clip removed, then clip to the image.
  const PixelRect want{dx, dy, dx + src.Width(), dy + src.Height()};
  const PixelRect dst = want.Intersect({0, 0, width_, height_});
  if (src.Empty() || dst.Empty()) return;
  const int sx = src.left + (dst.left - want.left);
  const int sy = src.top + (dst.top - want.top);
  const std::size_t bytes = static_cast<std::size_t>(dst.Width()) * 4;
  const std::uint32_t* from = pic.pixels.data() + static_cast<std::size_t>(sy) * pic.width + sx;
  std::uint32_t* to = PixelAt(dst.left, dst.top);
  PrefetchRows<0>(from, pic.width, dst.Height(), dst.Width());
  PrefetchRows<1>(to, width_, dst.Height(), dst.Width());
  for (int y = 0; y < dst.Height(); ++y) {
    std::memcpy(to + static_cast<std::size_t>(y) * width_,
                from + static_cast<std::size_t>(y) * pic.width, bytes);
  }
  painted_.Add(dst);
  changed_.Add(dst);
}

void Surface::PaintStretched(const Picture& pic, PixelRect src, PixelRect dst) {
  src = src.Intersect({0, 0, pic.width, pic.height});
  const PixelRect clip = dst.Intersect({0, 0, width_, height_});
  if (src.Empty() || dst.Empty() || clip.Empty()) return;
  for (int y = clip.top; y < clip.bottom; ++y) {
    // Sample at pixel centres so both edges of the source show.
    const long long sy = src.top + (2LL * (y - dst.top) + 1) * src.Height() / (2LL * dst.Height());
    const std::uint32_t* in = pic.pixels.data() + sy * pic.width;
    std::uint32_t* out = PixelAt(0, y);
    for (int x = clip.left; x < clip.right; ++x) {
      out[x] = in[src.left + (2LL * (x - dst.left) + 1) * src.Width() / (2LL * dst.Width())];
    }
  }
  painted_.Add(clip);
  changed_.Add(clip);
}

}  // namespace corvanta
