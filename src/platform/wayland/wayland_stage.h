#pragma once
// What every run on a compositor connection stands on, the show and the backdrop alike: the
// connection, its globals with the outputs and what is drawn on them, the monitors the core
// asks about, and the balls' picture; and the end of a run as an exit code.

#include <wayland-client.h>

#include "layout/designs.h"
#include "layout/picture.h"
#include "platform/wayland/wayland_globals.h"
#include "platform/wayland/wayland_loop.h"
#include "platform/wayland/wayland_monitors.h"

namespace corvanta::wayland {

struct Stage {
  // input: where the seats' input goes; null binds no seat. Learns the globals and the
  // outputs: two round trips.
  Stage(wl_display* connection, InputSink* input)
      : display(connection), globals(connection, input), monitors(globals),
        sheet(DecodeBmp(SpriteSheetFile())) {
    globals.Learn();
  }

  // 1 when the compositor went; otherwise what the run sent last reaches it, and 0.
  int ExitCode(Loop::End end) {
    if (end == Loop::End::kDisplayLost) return 1;
    wl_display_flush(display);
    return 0;
  }

  wl_display* display;
  Globals globals;
  WaylandMonitors monitors;
  Picture sheet;
};

}  // namespace corvanta::wayland
