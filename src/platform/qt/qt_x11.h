#pragma once
// The few X11 requests Qt has no call for, made on Qt's own xcb connection so they are ordered
// with Qt's requests. Every function is a no-op (or answers "no") off X, e.g. under the
// offscreen platform.

#include <cstdint>
#include <optional>

struct xcb_connection_t;

namespace corvanta::qt::x11 {

using XWindow = std::uint32_t;

xcb_connection_t* Connection();

// The client size of a window that exists; nullopt for 0, a pixmap or an id that names no
// window. Asks the server: Qt's foreign windows report 0 x 0.
struct Size {
  int width;
  int height;
};
std::optional<Size> ClientSize(XWindow window);

enum class MapState { kGone, kUnmapped, kUnviewable, kViewable };
MapState StateOf(XWindow window);

// True when the X server is XWayland (by its outputs' names), whose compositor gives the
// keyboard only to the X windows it manages and may honour no X grab.
bool ServerIsXwayland();

// A window the window manager leaves alone: no frame, no task bar entry, placed where we say.
void SetOverrideRedirect(XWindow window, bool on);
void RaiseToTop(XWindow window);
// Asks the window manager to give a window it manages the focus, as a pager or a task bar
// does for the user: a window manager keeps a newly mapped window from taking the focus from
// one the user is working in, which is what a screen saver must do.
void Activate(XWindow window);
// Asks the window manager to keep a window out of the task bar and pager. Qt keeps states it
// does not manage when it maps the window, so this is set once, before the first map.
void SkipTaskbar(XWindow window);
// Adds StructureNotify (destroy, unmap, map) to the events this client takes from a window it
// does not own, keeping whatever else it already selected there. False when the window is gone.
bool WatchStructure(XWindow window);
// Adds VisibilityChange to the events taken from one of our own windows.
void WatchVisibility(XWindow window);
void Flush();

}  // namespace corvanta::qt::x11
