#include "platform/wayland/wayland_show.h"

#include <wayland-client.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "platform/linux/display_loss.h"
#include "platform/linux/stop_signals.h"
#include "platform/wayland/wayland_show_run.h"

namespace corvanta::wayland {
namespace {

bool IsShow(const std::string& command) {
  std::string mode = command.substr(0, 2);
  for (char& c : mode) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return mode == "/S";
}

bool Set(const char* name) {
  const char* v = std::getenv(name);
  return v != nullptr && *v != '\0';
}

}  // namespace

std::optional<int> ShowOnWayland(const std::string& command) {
  if (!IsShow(command) || !Set("WAYLAND_DISPLAY")) return std::nullopt;
  // A stop signal in the first moments is kept for the loop rather than killing the process.
  linux_services::CatchStopSignals();
  wl_display* display = wl_display_connect(nullptr);
  if (!display) return std::nullopt;
  std::optional<int> rc;
  {
    // A compositor that goes ends the show with exit code 1, never with a crash or SIGPIPE.
    const linux_services::LeaveOnDisplayLoss leave(wl_display_get_fd(display));
    ShowRun show(display, command);
    if (const char* missing = show.Missing()) {
      if (!Set("DISPLAY")) {
        std::fprintf(stderr,
                     "corvanta: the Wayland compositor offers no %s; unset WAYLAND_DISPLAY to run "
                     "the show on X\n",
                     missing);
        rc = 1;
      }
    } else {
      rc = show.Run();
    }
  }
  wl_display_disconnect(display);
  return rc;
}

}  // namespace corvanta::wayland
