#include "platform/wayland/wayland_backdrop_run.h"

#include <wayland-client.h>

#include <algorithm>

#include "layout/designs.h"
#include "platform/wayland/wayland_race_window.h"

namespace corvanta::wayland {

BackdropRun::BackdropRun(wl_display* display, std::optional<std::int16_t> speed)
    : display_(display),
      globals_(display, nullptr),
      monitors_(globals_),
      sheet_(DecodeBmp(SpriteSheetFile())),
      speed_(speed),
      loop_(display) {
  globals_.Learn();
}

BackdropRun::~BackdropRun() {
  // The races go before the monitors and the picture they were made with.
  for (Output* o : globals_.EveryOutput()) o->backdrop.reset();
}

int BackdropRun::Run() {
  const Loop::End end = loop_.Run(*this);
  if (end == Loop::End::kDisplayLost) return 1;
  for (Output* o : globals_.EveryOutput()) o->backdrop.reset();
  wl_display_flush(display_);
  return 0;
}

void BackdropRun::Update(Loop::Micros now) {
  const bool outputs_changed = globals_.TakeOutputsChanged();
  for (Output* o : globals_.Outputs()) {
    if (!o->backdrop) {
      // No command line: none of the show's switches applies to a display mode.
      o->backdrop = std::make_unique<RaceWindow>(
          globals_, monitors_, sheet_,
          RaceSetup{.role = Role::kBackdrop, .command = "", .speed = speed_, .output = o->name});
      o->backdrop->Start();
    } else if (outputs_changed) {
      o->backdrop->OutputsChanged();
    }
    o->backdrop->Update(now);
  }
}

std::optional<Loop::Micros> BackdropRun::NextWake() const {
  std::optional<Loop::Micros> next;
  for (const Output* o : globals_.Outputs()) {
    const auto wake = o->backdrop ? o->backdrop->NextWake() : std::nullopt;
    if (wake) next = next ? std::min(*next, *wake) : *wake;
  }
  return next;
}

}  // namespace corvanta::wayland
