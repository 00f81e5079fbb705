#pragma once
// Which backend runs a start of the Linux program: one table, read top to bottom, of what was
// asked for against what the session offers. Pure, so every row can be tried without a desktop.

#include <string>
#include <string_view>

#include "platform/linux/display_options.h"

namespace corvanta::linux_services {

// What a command line asks for, as far as the choice of a backend goes.
enum class Request {
  kShow,             // "/S"
  kPreview,          // "/P ID": an X window to draw in
  kSettings,         // "/C"
  kOtherSwitch,      // "/A", or a command line of no switch at all
  kBackdrop,         // the display mode with no host window: the backend chooses where
  kDisplayInWindow,  // the display mode in the X window a host names
};

Request RequestOf(const DisplayOptions& options, std::string_view command);

// What the desktop offers, learnt once at start-up.
struct Session {
  bool wayland = false;      // a compositor answers
  bool layer_shell = false;  // it offers all the layer-shell show needs
  bool full_screen_windows = false;  // it offers the show's full-screen windows (xdg-shell)
  std::string wayland_lacks; // otherwise the first thing it lacks, as the refusal names it
  bool x = false;            // an X server answers
};

enum class Backend {
  kWaylandShow,      // the show on the compositor's layer shell, or in full-screen windows
  kWaylandBackdrop,  // a race on every output's backdrop
  kQtOnX,            // Qt on X (XWayland under a Wayland desktop)
  kQtOnWayland,      // Qt's Wayland platform: the settings dialog as the compositor's own window
  kEnd,              // nothing runs: exit_code, after line on stderr when there is one
};

struct Choice {
  Backend backend = Backend::kEnd;
  int exit_code = 0;
  std::string line;
};

Choice PickBackend(Request request, const Session& session);

}  // namespace corvanta::linux_services
