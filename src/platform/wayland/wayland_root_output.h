#pragma once
// One output's race in the display mode on Wayland: a backdrop surface on that output (the
// background layer, no keyboard, no input), and frmMain's display mode in it at the output's
// size in its own pixels and its scale, ticking on the output's frame callbacks.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "layout/form_lifecycle.h"
#include "layout/forms.h"
#include "layout/picture.h"
#include "platform/wayland/wayland_frame_pacer.h"
#include "platform/wayland/wayland_globals.h"
#include "platform/wayland/wayland_main_form.h"
#include "platform/wayland/wayland_race_view.h"
#include "platform/wayland/wayland_toolkit.h"

namespace corvanta::wayland {

class Loop;

// The toolkit of one output's race. The display mode is handed a host window: here that is
// the output's backdrop, as large as the race's own surface.
class BackdropToolkit final : public WaylandToolkit {
 public:
  static constexpr Hwnd kHostHwnd = 2;
  using WaylandToolkit::WaylandToolkit;
  std::int32_t GetClientRect(Hwnd hwnd, Rect32& rect) override {
    return WaylandToolkit::GetClientRect(hwnd == kHostHwnd ? kOwnHwnd : hwnd, rect);
  }
};

// The earlier of two deadlines, either of which may be missing.
std::optional<std::int64_t> Earliest(std::optional<std::int64_t> a, std::optional<std::int64_t> b);

class OutputRace {
 public:
  // stale: the race no longer fits its surface and must be made anew (called from inside the
  // surface's listeners: the owner does it later).
  OutputRace(Globals& globals, Loop& loop, MonitorService& monitors, const Picture& sheet,
             const Output& output, std::optional<std::int16_t> speed, std::function<void()> stale);
  ~OutputRace();
  OutputRace(const OutputRace&) = delete;
  OutputRace& operator=(const OutputRace&) = delete;

  wl_output* On() const { return output_; }
  // Made for the output as it is described now: its size and scale are still the same.
  bool Fits(const Output& output) const;
  bool Stale() const { return stale_; }

  std::optional<std::int64_t> NextWake() const { return Earliest(pacer_.NextWake(), view_.Deadline()); }
  void Due(std::int64_t now);

 private:
  struct Made {
    int scale = 0, mode_width = 0, mode_height = 0, width = 0, height = 0;
    bool operator==(const Made&) const = default;
  };
  static Made Of(const Output& output);
  void Placed();

  wl_output* output_;
  Made made_;
  const Picture& sheet_;
  std::optional<std::int16_t> speed_;
  std::function<void()> on_stale_;
  bool stale_ = false;
  BackdropToolkit kit_;
  FramePacer pacer_;
  RaceView view_;
  WindowCount windows_;
  std::unique_ptr<WaylandMainForm> form_;
  std::unique_ptr<MainFormEvents> main_;
};

}  // namespace corvanta::wayland
