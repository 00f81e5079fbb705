#pragma once
// The display mode on a Wayland desktop ("--root"), for the Linux program's main to call before
// any toolkit is made. No Qt here.
// Implements: one race on the background layer of every output, at that output's size and
//   scale, for as long as the output is there; outputs that come get theirs. It ends on SIGTERM
//   and SIGINT (exit code 0) and when the compositor goes (exit code 1).
// Lacks on purpose: input, the instance lock, the cursor and the clipboard: a backdrop is
//   under everything and in nobody's way.
// Depends on: libwayland-client and the compositor's wlr layer shell.

#include <optional>

#include "show/display_options.h"

namespace corvanta::wayland {

// With "--root" and no host window (neither --window-id nor $XSCREENSAVER_WINDOW),
// $WAYLAND_DISPLAY set and a compositor that offers the wlr layer shell, runs the display mode
// on Wayland and returns its exit code. nullopt: run on X instead, as the show decides (see
// RunOnWayland); a compositor without the layer shell and no X server is refused in one line.
std::optional<int> RootOnWayland(const DisplayOptions& options);

}  // namespace corvanta::wayland
