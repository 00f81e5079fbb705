#pragma once
// Whether a display server takes connections where the environment points. A variable left
// behind by a server that has gone (a session started from another, a terminal kept open)
// names a socket nobody listens on; a toolkit that tries it first may abort. Asking costs one
// connect(2), which the server sees as a client that comes and goes at once.

namespace corvanta::linux_services {

// True when $WAYLAND_SOCKET hands us a connection, or the socket $WAYLAND_DISPLAY names (a path,
// or a name in $XDG_RUNTIME_DIR) accepts one.
bool WaylandCompositorAnswers();

// True when $DISPLAY names a local X server (":N", "unix:N", with or without ".screen") that
// accepts a connection on its socket, or names a server on another host, which only a real
// connection could tell about.
bool XServerAnswers();

}  // namespace corvanta::linux_services
