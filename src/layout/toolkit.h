#pragma once
// The seam: every service the program asks of its platform, in one interface. The Win32 and
// Qt backends each implement it in their own folder; the fake under tests/ implements it in
// memory; a new backend implements it in src/platform/<name>/, with the controls
// (controls.h), the store (settings_store.h) and the dialog's widgets (settings_dialog_plan.h).
// Nothing here names a platform type.

#include <cstdint>
#include <string>
#include <string_view>

#include "layout/basic_types.h"
#include "layout/forms.h"
#include "layout/monitors.h"
#include "layout/settings_store.h"

namespace corvanta {

struct Version {
  int Major = 0;
  int Minor = 0;
  int Revision = 0;
};

// The constants of the window calls below, with the platform's own values.
namespace user32 {
inline constexpr std::int32_t GWL_STYLE = -16;
inline constexpr std::int32_t GWL_HWNDPARENT = -8;
inline constexpr std::int32_t WS_CHILD = 0x40000000;
inline constexpr std::int32_t WS_VISIBLE = 0x10000000;
inline constexpr Hwnd HWND_TOPMOST = -1;
inline constexpr Hwnd HWND_NOTOPMOST = -2;
inline constexpr std::int32_t SWP_NOSIZE = 0x1;
inline constexpr std::int32_t SWP_NOMOVE = 0x2;
inline constexpr std::int32_t SWP_NOZORDER = 0x4;
inline constexpr std::int32_t SWP_NOACTIVATE = 0x10;
inline constexpr std::int32_t SWP_SHOWWINDOW = 0x40;
}  // namespace user32

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // Screen.
  virtual Twips ScreenWidth() const = 0;
  virtual Twips ScreenHeight() const = 0;
  virtual Twips TwipsPerPixelX() const = 0;
  virtual Twips TwipsPerPixelY() const = 0;
  // The monitors and their covers; none where the platform offers only the primary screen.
  virtual MonitorService* Monitors() { return nullptr; }

  // Process.
  virtual std::string Command() const = 0;  // argument text as the platform supplies it
  virtual bool PrevInstance() const = 0;
  virtual Version App() const = 0;

  // Clipboard (plain text) and the default beep.
  virtual void ClipboardClear() = 0;
  virtual std::string ClipboardGetText() = 0;  // empty when the clipboard holds no text
  virtual void ClipboardSetText(std::string_view text) = 0;
  virtual void Beep() = 0;

  // Uniform in [0, 1), single precision, from a fixed initial state.
  virtual float Rnd() = 0;

  // The six window calls, raw, with the platform's argument order. They stay in the seam on
  // purpose: which calls the show and the preview make, in what order and with what arguments
  // is binding, and keeping them here lets the fake backend record and prove that order. Do not
  // fold them into friendlier window operations. Results are returned as the platform gives
  // them; the program ignores them except where it says why.
  virtual std::int32_t SetWindowPos(Hwnd hwnd, Hwnd insert_after, std::int32_t x, std::int32_t y,
                                    std::int32_t cx, std::int32_t cy, std::int32_t flags) = 0;
  virtual std::int32_t GetWindowLongA(Hwnd hwnd, std::int32_t index) = 0;
  virtual std::int32_t SetWindowLongA(Hwnd hwnd, std::int32_t index, std::int32_t value) = 0;
  virtual Hwnd SetParent(Hwnd child, Hwnd new_parent) = 0;
  virtual std::int32_t GetClientRect(Hwnd hwnd, Rect32& rect) = 0;  // nonzero on success
  virtual std::int32_t ShowCursor(std::int32_t show) = 0;  // returns the new display count

  // The per-user settings store.
  virtual SettingsStore& Store() = 0;

  // Builds the settings dialog from its design, binds it to events, runs its load handler and
  // shows it modally with no owner; returns once it has been unloaded. Other windows' timers
  // keep ticking meanwhile.
  virtual void ShowSettingsModal(SettingsFormEvents& events) = 0;
};

}  // namespace corvanta
