#pragma once
// The display mode on a Wayland desktop ("--root"): the backdrop, for the backend's entry.
// Implements: one race on the background layer of every output, at that output's size and
//   scale, for as long as the output is there; outputs that come get theirs. It ends on SIGTERM
//   and SIGINT (exit code 0) and when the compositor goes (exit code 1).
// Lacks on purpose: input, the instance lock, the cursor and the clipboard: a backdrop is
//   under everything and in nobody's way.
// Depends on: libwayland-client and the compositor's wlr layer shell; the show's globals,
//   surfaces, buffers, loop and frame pacer.

#include <cstdint>
#include <optional>

struct wl_display;

namespace corvanta::wayland {

// Runs the backdrop on a compositor that offers the layer shell until it is told to end; the
// exit code. speed: this run's ball speed; nullopt keeps the stored one.
int RunBackdropOn(wl_display* display, std::optional<std::int16_t> speed);

}  // namespace corvanta::wayland
