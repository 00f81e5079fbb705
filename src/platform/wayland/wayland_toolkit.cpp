// The screen and the window calls on Wayland. The show's one window is the race surface: it
// lies in the overlay layer and fills its output, so the calls that would order, move or
// re-parent it have nothing to do and are answered as Windows answers them.

#include "platform/wayland/wayland_toolkit.h"

#include "layout/twips.h"
#include "layout/program_version.h"

namespace corvanta::wayland {

using namespace user32;

Twips WaylandToolkit::ScreenWidth() const {
  return PixelsToTwips(screen_.width, screen_.TwipsPerPixel());
}

Twips WaylandToolkit::ScreenHeight() const {
  return PixelsToTwips(screen_.height, screen_.TwipsPerPixel());
}

Version WaylandToolkit::App() const {
  return kProgramVersion;
}

std::int32_t WaylandToolkit::SetWindowPos(Hwnd hwnd, Hwnd, std::int32_t, std::int32_t,
                                          std::int32_t, std::int32_t, std::int32_t) {
  return hwnd == kOwnHwnd ? 1 : 0;
}

std::int32_t WaylandToolkit::GetWindowLongA(Hwnd hwnd, std::int32_t index) {
  // The surface is shown from the start to the end.
  return hwnd == kOwnHwnd ? longs_.Get(index, true) : 0;
}

std::int32_t WaylandToolkit::SetWindowLongA(Hwnd hwnd, std::int32_t index, std::int32_t value) {
  return hwnd == kOwnHwnd ? longs_.Set(index, value) : 0;
}

// No surface of another program can be a parent here.
Hwnd WaylandToolkit::SetParent(Hwnd, Hwnd) { return 0; }

std::int32_t WaylandToolkit::GetClientRect(Hwnd hwnd, Rect32& rect) {
  if (hwnd != kOwnHwnd && !(hosted_ && hwnd == kHostHwnd)) return 0;
  rect = {0, 0, screen_.width, screen_.height};
  return 1;
}

std::int32_t WaylandToolkit::ShowCursor(std::int32_t show) {
  return cursor_count_.Change(show);
}

}  // namespace corvanta::wayland
