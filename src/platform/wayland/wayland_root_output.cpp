#include "platform/wayland/wayland_root_output.h"

#include <algorithm>

#include "layout/designs.h"
#include "show/display_form_entry.h"

namespace corvanta::wayland {

std::optional<std::int64_t> Earliest(std::optional<std::int64_t> a, std::optional<std::int64_t> b) {
  if (a && b) return std::min(*a, *b);
  return a ? a : b;
}

OutputRace::OutputRace(Globals& globals, Loop& loop, MonitorService& monitors,
                       const Picture& sheet, const Output& output,
                       std::optional<std::int16_t> speed, std::function<void()> stale)
    : output_(output.output),
      made_(Of(output)),
      sheet_(sheet),
      speed_(speed),
      on_stale_(std::move(stale)),
      // No command line: none of the show's switches applies to a display mode.
      kit_("", monitors),
      pacer_(WaylandMainForm::TimersPacer()),
      view_(globals, loop, pacer_,
            RaceView::Events{[this] { Placed(); },
                             [this] {
                               if (form_) form_->FrameReady();
                             },
                             nullptr},
            output.output),
      // Input never ends a display mode, and nothing else closes its window.
      windows_([] {}) {
  view_.Open();
}

OutputRace::~OutputRace() {
  main_.reset();
  form_.reset();
}

OutputRace::Made OutputRace::Of(const Output& o) {
  return {o.scale, o.mode_width, o.mode_height, o.width, o.height};
}

bool OutputRace::Fits(const Output& output) const { return Of(output) == made_; }

void OutputRace::Placed() {
  if (form_) {
    // The compositor closed the surface and the new one stands on the same output: if its size
    // is another, the race is made anew for it; otherwise it goes on as it was.
    const Screen& now = view_.Where();
    const Screen& was = kit_.CurrentScreen();
    if (now.width != was.width || now.height != was.height || now.scale != was.scale) {
      stale_ = true;
      on_stale_();
    }
    return;
  }
  // The surface's size in the output's pixels is the host window's size: the race, the balls
  // and the caption are drawn for it.
  kit_.SetScreen(view_.Where());
  form_ = std::make_unique<WaylandMainForm>(kit_, windows_, sheet_, pacer_, view_);
  main_ = NewDisplayForm(kit_, form_->Controls(), BackdropToolkit::kHostHwnd, speed_);
  if (main_) form_->Bind(*main_);
}

void OutputRace::Due(std::int64_t now) {
  view_.Due(now);
  if (form_) form_->Tick(now);
}

}  // namespace corvanta::wayland
