#pragma once
// The Qt backend's door, for the Linux program's entry: frmMain on Qt 6 Widgets, or the
// display mode's race in a host's X window.
// Implements: the switches ("/S", "/P", "/C", "/A") on X and the settings dialog as a native
//   Wayland window; the display mode on X; exit code 1 when the X server cannot be reached or
//   goes away.
// Depends on: Qt 6 Widgets (xcb, and the wayland platform plugin for the dialog), libxcb.

#include <string>

#include "platform/linux/display_options.h"

namespace corvanta::qt {

enum class Platform { kX, kWayland };

// command: the argument text of the switches; display: the display mode when it asks to run
// one (Action::kRun). The run's exit code.
int Run(Platform platform, const std::string& command, const DisplayOptions& display);

}  // namespace corvanta::qt
