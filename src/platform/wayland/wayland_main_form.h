#pragma once
// frmMain on Wayland: its controls in memory (the persistent picture, the caption's state, the
// two timers on a timer grid) shown through the race's surface. Input and ticks go to the
// bound handlers through the lifecycle every backend shares; after each, what the picture
// records as changed goes to the surface, which commits at the compositor's pace.

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "layout/controls.h"
#include "layout/form_lifecycle.h"
#include "layout/forms.h"
#include "layout/picture_box.h"
#include "platform/linux/caption_raster.h"
#include "layout/timer_grid.h"
#include "platform/wayland/wayland_race_view.h"

namespace corvanta::wayland {

class WaylandToolkit;

class WaylandLabel final : public Label {
 public:
  void SetCaption(std::string_view text) override { caption = text, changed = true; }
  void SetLeft(Twips v) override { left = v, changed = true; }
  void SetTop(Twips v) override { top = v, changed = true; }
  void SetVisible(bool v) override { visible = v, changed = true; }

  std::string caption;
  Twips left = 0, top = 0;
  bool visible = false;
  bool changed = false;
};

class WaylandMainForm final : public Window, private FormLifecycle::Native {
 public:
  WaylandMainForm(WaylandToolkit& kit, WindowCount& windows, const Picture& sheet,
                  TimerGrid& timers, RaceView& view);
  // The grid the form's two timers tick on, in the order the form makes them.
  static TimerGrid DesignedTimers();

  MainControls Controls();
  void Bind(MainFormEvents& events) { lifecycle_.Bind(events); }
  template <typename Handler>
  void Deliver(Handler&& handler) {
    lifecycle_.Deliver(std::forward<Handler>(handler));
  }
  bool Gone() const { return lifecycle_.Gone(); }
  // The timers' ticks that have come, in the order the toolkit made the timers.
  void Tick(std::int64_t now);
  // The race moved to an output of this scale: the picture is counted in its pixels.
  void Refit(const Screen& screen);
  // The compositor is ready for a frame: shows what waits.
  void FrameReady() { view_.Flush(picBox_.Image()); }

  void SetCaption(std::string_view text) override { caption_ = text; }
  Hwnd hWnd() const override;
  // The surface fills its output whatever the window asks.
  void SetMaximized() override {}
  void Move(Twips, Twips, Twips, Twips) override {}
  void Show() override;
  void Refresh() override { Present(); }
  void Unload() override { lifecycle_.Unload(); }

 private:
  void Present() override;
  void Destroy() override;
  // Where the caption stands now, in the picture's pixels; empty while it is hidden.
  PixelRect CaptionBox() const;

  WaylandToolkit& kit_;
  const Picture& sheet_;
  TimerGrid& timers_;
  RaceView& view_;
  std::string caption_;
  PictureBox picBox_;
  WaylandLabel label1_;
  FixedTimer tmrDown_;
  FixedTimer tmrRight_;
  std::unique_ptr<linux_services::CaptionRaster> caption_raster_;
  PixelRect caption_box_;
  FormLifecycle lifecycle_;
};

}  // namespace corvanta::wayland
