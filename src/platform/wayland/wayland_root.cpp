#include "platform/wayland/wayland_root.h"

#include <wayland-client.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "layout/picture.h"
#include "platform/wayland/wayland_globals.h"
#include "platform/wayland/wayland_loop.h"
#include "platform/wayland/wayland_monitors.h"
#include "platform/wayland/wayland_root_output.h"

namespace corvanta::wayland {
namespace {

// The display mode on one compositor connection: a race for every output there is.
class RootRun {
 public:
  RootRun(wl_display* display, std::optional<std::int16_t> speed)
      : display_(display),
        loop_(display),
        globals_(display),
        monitors_(globals_, loop_),
        sheet_(DecodeBmp(SpriteSheetFile())),
        speed_(speed) {
    Globals::Callbacks callbacks;
    callbacks.outputs_changed = [this] { Sync(); };
    // Its surface goes before the output it stands on.
    callbacks.output_going = [this](Output& o) {
      races_.erase(std::remove_if(races_.begin(), races_.end(),
                                  [&](const auto& r) { return r->On() == o.output; }),
                   races_.end());
    };
    globals_.SetCallbacks(std::move(callbacks));
    // The globals, then what the outputs say about themselves.
    wl_display_roundtrip(display_);
    wl_display_roundtrip(display_);
  }

  int Run() {
    running_ = true;
    Sync();
    const Loop::End end = loop_.Run({[] { return false; },
                                     [this] {
                                       std::optional<Loop::Micros> next;
                                       for (const auto& r : races_) next = Earliest(next, r->NextWake());
                                       return next;
                                     },
                                     [this](Loop::Micros now) {
                                       for (const auto& r : races_) r->Due(now);
                                     }});
    races_.clear();
    if (end == Loop::End::kDisplayLost) return 1;
    wl_display_flush(display_);
    return 0;
  }

 private:
  // Every output has one race made for it as it is now; a race whose output changed its size
  // or scale is made anew.
  void Sync() {
    if (!running_) return;
    std::vector<std::unique_ptr<OutputRace>> kept;
    for (const Output* o : globals_.Outputs()) {
      const auto it = std::find_if(races_.begin(), races_.end(),
                                   [&](const auto& r) { return r && r->On() == o->output; });
      if (it != races_.end() && (*it)->Fits(*o) && !(*it)->Stale()) {
        kept.push_back(std::move(*it));
      } else {
        kept.push_back(std::make_unique<OutputRace>(globals_, loop_, monitors_, sheet_, *o, speed_,
                                                    [this] { loop_.Later([this] { Sync(); }); }));
      }
    }
    races_ = std::move(kept);
  }

  wl_display* display_;
  Loop loop_;
  Globals globals_;
  WaylandMonitors monitors_;
  Picture sheet_;
  std::optional<std::int16_t> speed_;
  bool running_ = false;
  std::vector<std::unique_ptr<OutputRace>> races_;
};

}  // namespace

int RunBackdropOn(wl_display* display, std::optional<std::int16_t> speed) {
  return RootRun(display, speed).Run();
}

}  // namespace corvanta::wayland
