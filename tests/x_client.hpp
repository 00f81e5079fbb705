// The frame of the small X clients of the tests and the benchmarks: one command on the display
// named by DISPLAY. X errors are let pass, because the windows these clients watch belong to
// other programs and may be gone between two requests.
#pragma once

#include <X11/Xlib.h>

#include <cstdio>
#include <functional>

namespace x_client {

// Runs the command on an open display and closes it; 2 when there is no display to open.
inline int RunOnDisplay(const char* client, const std::function<int(Display*)>& command) {
  Display* d = XOpenDisplay(nullptr);
  if (!d) {
    std::fprintf(stderr, "%s: no display\n", client);
    return 2;
  }
  XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  const int rc = command(d);
  XCloseDisplay(d);
  return rc;
}

}  // namespace x_client
