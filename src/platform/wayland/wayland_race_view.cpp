#include "platform/wayland/wayland_race_view.h"

#include <array>
#include <cstring>

#include "platform/wayland/wayland_globals.h"
#include "platform/wayland/wayland_loop.h"

namespace corvanta::wayland {
namespace {

// The compositor names the output right after the first buffer; this long without it, the
// output is guessed from the size it gave.
constexpr std::int64_t kEnterWait = 1'000'000;

}  // namespace

RaceView::RaceView(Globals& globals, Loop& loop, FramePacer& pacer, Events events,
                   wl_output* home)
    : globals_(globals), loop_(loop), pacer_(pacer), events_(std::move(events)), home_(home) {}

RaceView::~RaceView() = default;

void RaceView::Open() {
  if (surface_ || globals_.Outputs().empty()) return;
  placed_ = false;
  LayerSurface::Events events;
  events.configured = [this] { Configured(); };
  events.entered = [this](wl_output* output) { Entered(output); };
  events.frame_done = [this] {
    pacer_.FrameDone();
    if (events_.frame_ready) events_.frame_ready();
  };
  // The owner may be gone by the time the loop gets to it: a backdrop goes with its output.
  events.closed = [this] {
    loop_.Later([this, alive = std::weak_ptr<bool>(alive_)] {
      if (!alive.expired()) Closed();
    });
  };
  surface_ = std::make_unique<LayerSurface>(globals_, home_, !home_, std::move(events),
                                            home_ != nullptr);
}

void RaceView::Configured() {
  if (placed_) {
    // Its output took another size: a picture of the old one would be cut off or stretched.
    Refit();
    return;
  }
  black_ = ShmBuffer::Create(globals_.Shm(), surface_->Width(), surface_->Height());
  if (!black_) return;
  const std::array<PixelRect, 1> all{PixelRect{0, 0, black_->Width(), black_->Height()}};
  surface_->Commit(*black_, 1, all, false);
  guess_at_ = Loop::Now() + kEnterWait;
}

void RaceView::Entered(wl_output* output) {
  if (!placed_) Place(output);
}

void RaceView::Due(std::int64_t now) {
  if (!guess_at_ || now < *guess_at_ || placed_ || !surface_) return;
  // A backdrop knows its output; a race takes the last output of its size, or the first.
  wl_output* guess = home_;
  if (!guess) {
    for (const wayland::Output* o : globals_.Outputs()) {
      if (!guess || (o->width == surface_->Width() && o->height == surface_->Height())) {
        guess = o->output;
      }
    }
  }
  if (guess) Place(guess);
}

void RaceView::Refit() {
  if (!placed_ || !surface_ || !surface_->Output()) return;
  const wayland::Output* o = globals_.Find(surface_->Output());
  if (!o || (o->scale == screen_.scale && surface_->Width() * o->scale == screen_.width &&
             surface_->Height() * o->scale == screen_.height)) {
    return;
  }
  Place(surface_->Output());
}

void RaceView::Place(wl_output* output) {
  const wayland::Output* o = globals_.Find(output);
  if (!o) return;
  guess_at_.reset();
  placed_ = true;
  screen_ = {surface_->Width() * o->scale, surface_->Height() * o->scale, o->scale};
  ring_.Size(globals_.Shm(), screen_.width, screen_.height);
  damage_.Clear();
  damage_.Add({0, 0, screen_.width, screen_.height});
  pacer_.SurfaceLost();
  if (events_.placed) events_.placed();
}

void RaceView::Closed() {
  if (!surface_) return;
  if (events_.going) events_.going(surface_->Surface());
  surface_.reset();
  black_.reset();
  placed_ = false;
  guess_at_.reset();
  pacer_.SurfaceLost();
  Open();
}

void RaceView::Changed(const PixelRect& r) {
  damage_.Add(r);
  ring_.Stale(r);
}

void RaceView::Flush(const corvanta::Surface& image) {
  if (!placed_ || !pacer_.MayCommit()) return;
  // A picture of another size belongs to another placement: wait for the show to redraw.
  if (image.Width() != screen_.width || image.Height() != screen_.height) return;
  ShmBuffer* b = ring_.Free(image.Painted());
  if (!b) return;
  const auto pixels = image.Pixels();
  bool under_overlay = false;
  for (const PixelRect& r : b->stale.Items()) {
    const PixelRect c = r.Intersect({0, 0, screen_.width, screen_.height});
    if (c.Empty()) continue;
    under_overlay = under_overlay || !c.Intersect(overlay_box_).Empty();
    for (int y = c.top; y < c.bottom; ++y) {
      const std::size_t at = static_cast<std::size_t>(y) * screen_.width + c.left;
      std::memcpy(b->Pixels() + at, pixels.data() + at, static_cast<std::size_t>(c.Width()) * 4);
    }
  }
  b->stale.Clear();
  if (under_overlay && overlay_) overlay_(*b, overlay_box_);
  surface_->Commit(*b, screen_.scale, damage_.Items(), true);
  damage_.Clear();
  pacer_.Committed(Loop::Now());
}

}  // namespace corvanta::wayland
