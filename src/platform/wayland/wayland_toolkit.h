#pragma once
// Wayland backend of the seam, for the show ("/S") on compositors with the wlr layer shell.
// Implements: the screen (the race's output in its own pixels; twips per pixel = 15 / its
//   scale, fractional where the compositor tells one), process services (arguments, the shared instance lock, version), the INI
//   store, the window calls on the race surface, the cursor count, and the outputs with their
//   black covers (wayland_monitors.h).
// Lacks: the clipboard (on Wayland the show leaves it alone: no preview exists here to leave a
//   marker), the beep and the settings dialog (only "/S" runs here), foreign windows, styles
//   and owners beyond recording them.
// Depends on: libwayland-client; the Linux services shared with the X program.

#include <cstdint>
#include <optional>
#include <string>

#include "layout/random_source.h"
#include "layout/emulated_window.h"
#include "layout/toolkit.h"
#include "layout/twips.h"
#include "platform/linux/ini_store.h"
#include "platform/linux/instance_lock.h"

namespace corvanta::wayland {

// The race's output as the show sees it: its size in the buffer's pixels, which are the
// output's own, and its scale, buffer pixels to a logical unit.
struct Screen {
  int width = 0;
  int height = 0;
  double scale = 1;
  // Drawn at buffer scale 1 and sized by the viewport: a fractional scale. Else scale is an
  // integer, the buffer's.
  bool fractional = false;
  // An output of scale s has s times as many pixels to the inch as one of 96: at 1.5, a move
  // of 45 twips is 3 logical pixels, as at any other scale.
  Twips TwipsPerPixel() const { return TwipsPerPixelAt(96.0 * scale); }
  bool operator==(const Screen&) const = default;
};

class WaylandToolkit : public Toolkit {
 public:
  // The race window's handle.
  static constexpr Hwnd kOwnHwnd = 1;
  // The display mode's host window: the backdrop, as large as the race window itself.
  static constexpr Hwnd kHostHwnd = 2;

  // hosted: the race window is a display mode's, in kHostHwnd; else the show's, alone.
  WaylandToolkit(std::string command, MonitorService& monitors, bool hosted)
      : command_(std::move(command)), monitors_(monitors), hosted_(hosted) {}

  void SetScreen(const Screen& screen) { screen_ = screen; }
  const Screen& CurrentScreen() const { return screen_; }
  bool CursorHidden() const { return cursor_count_.Hidden(); }

  Twips ScreenWidth() const override;
  Twips ScreenHeight() const override;
  Twips TwipsPerPixelX() const override { return screen_.TwipsPerPixel(); }
  Twips TwipsPerPixelY() const override { return screen_.TwipsPerPixel(); }
  MonitorService* Monitors() override { return &monitors_; }

  std::string Command() const override { return command_; }
  bool PrevInstance() const override { return lock_.AnotherInstance(); }
  Version App() const override;

  void ClipboardClear() override {}
  std::string ClipboardGetText() override { return {}; }
  void ClipboardSetText(std::string_view) override {}
  // Only "/A" beeps, and it never reaches this backend.
  void Beep() override {}

  float Rnd() override { return random_.Next(); }

  std::int32_t SetWindowPos(Hwnd hwnd, Hwnd insert_after, std::int32_t x, std::int32_t y,
                            std::int32_t cx, std::int32_t cy, std::int32_t flags) override;
  std::int32_t GetWindowLongA(Hwnd hwnd, std::int32_t index) override;
  std::int32_t SetWindowLongA(Hwnd hwnd, std::int32_t index, std::int32_t value) override;
  Hwnd SetParent(Hwnd child, Hwnd new_parent) override;
  std::int32_t GetClientRect(Hwnd hwnd, Rect32& rect) override;
  std::int32_t ShowCursor(std::int32_t show) override;

  SettingsStore& Store() override { return store_; }
  // The dialog is the X program's: "/C" never reaches this backend.
  void ShowSettingsModal(SettingsFormEvents&) override {}

 private:
  std::string command_;
  MonitorService& monitors_;
  bool hosted_;
  Screen screen_;
  linux_services::OnDemandInstanceLock lock_;
  linux_services::IniStore store_;
  RandomSource random_;
  WindowLongs longs_;
  CursorCount cursor_count_;
};

}  // namespace corvanta::wayland
