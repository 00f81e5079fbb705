#pragma once
// The display mode on Qt: frmMain's race as a child of an X window a screen-saver daemon or a
// locker hands us (or of the root window).
// Implements: the embedding, an end on SIGTERM and SIGINT, on the host's or our window's
//   destruction (the preview's host watch) and, through Qt, on the X server going away.
// Lacks on purpose: grabs, cursor changes, input handling, raising, the instance lock and the
//   clipboard; the daemon owns all of those.
// Depends on: a QApplication on the xcb platform, created by the caller, and the stop signals
//   (platform/linux/stop_signals.h) caught before it.

#include "platform/linux/display_options.h"

namespace corvanta::qt {

// Runs the race until the process is told to end; returns the exit code.
int RunDisplayMode(const DisplayOptions& options);

}  // namespace corvanta::qt
