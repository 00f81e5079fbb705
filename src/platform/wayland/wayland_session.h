#pragma once
// What every program on a Wayland compositor does around its run: the connection to the
// compositor $WAYLAND_DISPLAY names, the refusal of one that lacks what the program cannot do
// without, the stop signals, and an exit code 1 when the compositor goes. Used by the show and
// by the display mode's backdrops alike.

#include <wayland-client.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>

#include "platform/linux/display_loss.h"
#include "platform/linux/stop_signals.h"

namespace corvanta::wayland {

// A variable set to nothing is as good as unset, as shells treat it.
inline bool EnvironmentSet(const char* name) {
  const char* v = std::getenv(name);
  return v != nullptr && *v != '\0';
}

// Program(wl_display*, args...) learns the compositor; Missing() names what it lacks (null:
// nothing), Run() runs to the end and gives the exit code. nullopt: run on X instead (no
// Wayland, or the compositor lacks something while $DISPLAY names an X server). A compositor
// that lacks something and no X server is refused in one line on stderr, with exit code 1.
template <typename Program, typename... Args>
std::optional<int> RunOnWayland(Args&&... args) {
  if (!EnvironmentSet("WAYLAND_DISPLAY")) return std::nullopt;
  wl_display* display = wl_display_connect(nullptr);
  if (!display) return std::nullopt;
  std::optional<int> rc;
  {
    // A compositor that goes ends the program with exit code 1, never with a crash or SIGPIPE.
    const linux_services::LeaveOnDisplayLoss leave(wl_display_get_fd(display));
    Program program(display, std::forward<Args>(args)...);
    if (const char* missing = program.Missing()) {
      if (!EnvironmentSet("DISPLAY")) {
        std::fprintf(stderr,
                     "corvanta: the Wayland compositor offers no %s; unset WAYLAND_DISPLAY to run "
                     "the show on X\n",
                     missing);
        rc = 1;
      }
    } else {
      // Only now: a program that goes to X instead ends on these signals as it does there.
      linux_services::CatchStopSignals();
      rc = program.Run();
    }
  }
  wl_display_disconnect(display);
  return rc;
}

}  // namespace corvanta::wayland
