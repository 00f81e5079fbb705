#pragma once
// The show on a Wayland desktop, for the Linux program's main to call before any toolkit is
// made. No Qt here.

#include <optional>
#include <string>

namespace corvanta::wayland {

// With "/S" (the first two characters, upper-cased), $WAYLAND_DISPLAY set and a compositor that
// offers the wlr layer shell, runs the show on Wayland and returns its exit code. nullopt:
// run on X instead (another switch, no Wayland, or no layer shell while $DISPLAY names an X
// server). A compositor without the layer shell and no X server is refused in one line on
// stderr, with exit code 1.
std::optional<int> ShowOnWayland(const std::string& command);

}  // namespace corvanta::wayland
