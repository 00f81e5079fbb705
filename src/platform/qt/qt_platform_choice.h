#pragma once
// Which of Qt's platforms a run of the Linux program asks for, from its switch and the
// desktop's environment. The show and the display modes draw on X windows, so they stay on
// xcb (XWayland under a Wayland desktop); the settings dialog is an ordinary window, and on a
// Wayland desktop opens as the compositor's own, not through XWayland, which many of those
// desktops no longer start. The native Wayland show is chosen before Qt is ever asked.

#include <optional>
#include <string>

namespace corvanta::qt {

struct Session {
  bool wayland = false;  // a compositor answers on $WAYLAND_DISPLAY
  bool x = false;        // $DISPLAY is set
};

// The value for QT_QPA_PLATFORM: "xcb" or "wayland"; nullopt when the run cannot have a window
// at all and ends at once, as a preview whose host window is not there does: "/P" hands us an
// X window, and a Wayland session without X has none. `display_mode` is true for the display
// modes (--root, --window-id), `command` the argument text.
std::optional<std::string> QtPlatformFor(bool display_mode, const std::string& command,
                                         Session session);

// The session of this process's environment. A $WAYLAND_DISPLAY nobody answers on counts as
// none: Qt's Wayland platform aborts on it, where X's absence ends the program quietly.
Session CurrentSession();

}  // namespace corvanta::qt
