#include "platform/wayland/wayland_root.h"

#include "platform/wayland/wayland_backdrop_run.h"
#include "platform/wayland/wayland_session.h"

namespace corvanta::wayland {

std::optional<int> RootOnWayland(const DisplayOptions& options) {
  if (options.action != DisplayOptions::Action::kRun || options.window) return std::nullopt;
  return RunOnWayland<BackdropRun>(options.speed);
}

}  // namespace corvanta::wayland
