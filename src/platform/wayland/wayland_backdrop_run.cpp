#include "platform/wayland/wayland_backdrop_run.h"

#include <wayland-client.h>

#include <algorithm>

#include "platform/wayland/wayland_race_window.h"

namespace corvanta::wayland {

BackdropRun::BackdropRun(wl_display* display, std::optional<std::int16_t> speed)
    : stage_(display, nullptr), speed_(speed), loop_(display) {}

BackdropRun::~BackdropRun() {
  // The races go before the monitors and the picture they were made with.
  for (Output* o : stage_.globals.EveryOutput()) o->backdrop.reset();
}

int BackdropRun::Run() {
  const Loop::End end = loop_.Run(*this);
  if (end != Loop::End::kDisplayLost) {
    for (Output* o : stage_.globals.EveryOutput()) o->backdrop.reset();
  }
  return stage_.ExitCode(end);
}

void BackdropRun::Update(Loop::Micros now) {
  const bool outputs_changed = stage_.globals.TakeOutputsChanged();
  for (Output* o : stage_.globals.Outputs()) {
    if (!o->backdrop) {
      // No command line: none of the show's switches applies to a display mode.
      o->backdrop = std::make_unique<RaceWindow>(
          stage_.globals, stage_.monitors, stage_.sheet,
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
  for (const Output* o : stage_.globals.Outputs()) {
    const auto wake = o->backdrop ? o->backdrop->NextWake() : std::nullopt;
    if (wake) next = next ? std::min(*next, *wake) : *wake;
  }
  return next;
}

}  // namespace corvanta::wayland
