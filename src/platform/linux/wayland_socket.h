#pragma once
// Whether a Wayland compositor takes connections where $WAYLAND_DISPLAY points. A variable left
// behind by a compositor that has gone (a session started from another, a terminal kept open)
// names a socket nobody listens on; a toolkit that tries it first may abort. Asking costs one
// connect(2), which the compositor sees as a client that comes and goes at once.

namespace corvanta::linux_services {

// True when $WAYLAND_SOCKET hands us a connection, or the socket $WAYLAND_DISPLAY names (a path,
// or a name in $XDG_RUNTIME_DIR) accepts one.
bool WaylandCompositorAnswers();

}  // namespace corvanta::linux_services
