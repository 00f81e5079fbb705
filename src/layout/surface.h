#pragma once
// The persistent image behind a picture box. Everything drawn goes here first; the backend
// shows the image on screen and, after each event, repaints only the rectangles that changed.
//
// A clear touches only what was painted since the previous clear: the rest is already the
// background colour. With CORVANTA_NAIVE_DRAW (benchmarks only) every clear wipes and reports
// the whole image, as a plain clear-and-repaint would.
//
// A new image is zeroed memory the system maps on first write, so a mostly black 4K screen
// costs only the rows the balls cross. Pixels never written hold 0x00000000: black with the
// high byte clear. Readers of Pixels() ignore the high byte (as 32-bit RGB formats do);
// At() reports every pixel as 0xFFRRGGBB.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>

#include "layout/picture.h"
#include "layout/pixel_rect.h"
#include "layout/rect_list.h"

namespace corvanta {

class Surface {
 public:
  static constexpr std::uint32_t kBlack = 0xFF000000u;

  // New size in pixels; the image comes back cleared and wholly changed.
  void Resize(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }

  void Clear();
  // Copies the source rectangle 1:1 with its top-left at (dx, dy), clipped at both edges.
  void Paint(const Picture& pic, PixelRect src, int dx, int dy);
  // Scales the source rectangle into dst by nearest pixel, clipped at the image's edges.
  void PaintStretched(const Picture& pic, PixelRect src, PixelRect dst);

  std::span<const std::uint32_t> Pixels() const { return {pixels_.get(), count_}; }
  std::uint32_t At(int x, int y) const {
    return pixels_[static_cast<std::size_t>(y) * width_ + x] | 0xFF000000u;
  }
  int StrideBytes() const { return width_ * 4; }

  // What changed since the backend last showed the image.
  const RectList& Changed() const { return changed_; }
  void ClearChanged() { changed_.Clear(); }
  // Covers every pixel that is not black: a backend repainting a large area can fill the
  // rest with black instead of copying it.
  const RectList& Painted() const { return painted_; }

 private:
  void MarkAll();
  std::uint32_t* PixelAt(int x, int y) {
    return pixels_.get() + static_cast<std::size_t>(y) * width_ + x;
  }

  struct Free {
    void operator()(std::uint32_t* p) const { std::free(p); }
  };

  int width_ = 0;
  int height_ = 0;
  std::size_t count_ = 0;
  std::unique_ptr<std::uint32_t[], Free> pixels_;
  RectList painted_;  // a cover of every non-background pixel
  RectList changed_;
};

}  // namespace corvanta
