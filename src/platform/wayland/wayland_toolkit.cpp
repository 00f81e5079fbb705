// The screen and the window calls on Wayland. The show's one window is the race surface: it
// lies in the overlay layer and fills its output, so the calls that would order, move or
// re-parent it have nothing to do and are answered as Windows answers them.

#include "platform/wayland/wayland_toolkit.h"

#include "layout/twips.h"
#include "layout/version.h"

namespace corvanta::wayland {

using namespace user32;

namespace {
// Win32's style of a visible top-level popup, as GetWindowLongA reports one before any change.
constexpr std::int32_t kPopupStyle = static_cast<std::int32_t>(0x80000000u | 0x10000000u);
}  // namespace

Twips WaylandToolkit::ScreenWidth() const {
  return PixelsToTwips(screen_.width, screen_.TwipsPerPixel());
}

Twips WaylandToolkit::ScreenHeight() const {
  return PixelsToTwips(screen_.height, screen_.TwipsPerPixel());
}

Version WaylandToolkit::App() const {
  return {CORVANTA_VERSION_MAJOR, CORVANTA_VERSION_MINOR, CORVANTA_VERSION_REVISION};
}

std::int32_t WaylandToolkit::SetWindowPos(Hwnd hwnd, Hwnd, std::int32_t, std::int32_t,
                                          std::int32_t, std::int32_t, std::int32_t) {
  return hwnd == kOwnHwnd ? 1 : 0;
}

std::int32_t WaylandToolkit::GetWindowLongA(Hwnd hwnd, std::int32_t index) {
  if (hwnd != kOwnHwnd) return 0;
  if (index == GWL_STYLE) return style_ | kPopupStyle;
  if (index == GWL_HWNDPARENT) return owner_;
  return 0;
}

std::int32_t WaylandToolkit::SetWindowLongA(Hwnd hwnd, std::int32_t index, std::int32_t value) {
  if (hwnd != kOwnHwnd || (index != GWL_STYLE && index != GWL_HWNDPARENT)) return 0;
  std::int32_t& slot = index == GWL_STYLE ? style_ : owner_;
  const std::int32_t previous = slot;
  slot = value;
  return previous;
}

// No surface of another program can be a parent here.
Hwnd WaylandToolkit::SetParent(Hwnd, Hwnd) { return 0; }

std::int32_t WaylandToolkit::GetClientRect(Hwnd hwnd, Rect32& rect) {
  if (hwnd != kOwnHwnd && !(hosted_ && hwnd == kHostHwnd)) return 0;
  rect = {0, 0, screen_.width, screen_.height};
  return 1;
}

std::int32_t WaylandToolkit::ShowCursor(std::int32_t show) {
  cursor_count_ += show ? 1 : -1;
  return cursor_count_;
}

}  // namespace corvanta::wayland
