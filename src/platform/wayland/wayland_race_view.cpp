#include "platform/wayland/wayland_race_view.h"

#include <cstring>
#include <limits>

#include "platform/wayland/wayland_globals.h"
#include "platform/wayland/wayland_loop.h"

namespace corvanta::wayland {

void RaceView::Place(SurfaceId surface, const Screen& screen) {
  surface_ = surface;
  screen_ = screen;
  ring_.Size(globals_.Shm(), screen_.width, screen_.height);
  damage_.Clear();
  damage_.Add({0, 0, screen_.width, screen_.height});
}

void RaceView::Changed(const PixelRect& r) {
  damage_.Add(r);
  ring_.MarkBehind(r);
}

std::int64_t RaceView::StallLimit() const {
  const LayerSurface* s = globals_.FindSurface(surface_);
  return s ? s->StallLimit() : std::numeric_limits<std::int64_t>::max();
}

void RaceView::Flush(const corvanta::Surface& image) {
  if (damage_.Empty()) return;
  LayerSurface* surface = globals_.FindSurface(surface_);
  if (!surface || surface->FramePending()) return;
  // A picture of another size belongs to another placement: wait for the show to redraw.
  if (image.Width() != screen_.width || image.Height() != screen_.height) return;
  ShmBuffer* b = ring_.Free(image.Painted());
  if (!b) return;
  const auto pixels = image.Pixels();
  bool under_overlay = false;
  for (const PixelRect& r : b->behind.Items()) {
    const PixelRect c = r.Intersect({0, 0, screen_.width, screen_.height});
    if (c.Empty()) continue;
    under_overlay = under_overlay || !c.Intersect(overlay_box_).Empty();
    for (int y = c.top; y < c.bottom; ++y) {
      const std::size_t at = static_cast<std::size_t>(y) * screen_.width + c.left;
      std::memcpy(b->Pixels() + at, pixels.data() + at, static_cast<std::size_t>(c.Width()) * 4);
    }
  }
  b->behind.Clear();
  if (under_overlay && overlay_) overlay_(*b, overlay_box_);
  const BufferFit fit{.scale = static_cast<int>(screen_.scale), .viewport = screen_.fractional};
  surface->CommitFrame(*b, fit, damage_.Items(), Loop::Now());
  damage_.Clear();
}

}  // namespace corvanta::wayland
