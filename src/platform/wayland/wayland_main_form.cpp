#include "platform/wayland/wayland_main_form.h"

#include "layout/designs.h"
#include "platform/wayland/wayland_loop.h"
#include "platform/wayland/wayland_toolkit.h"

namespace corvanta::wayland {

WaylandMainForm::WaylandMainForm(WaylandToolkit& kit, WindowCount& windows, const Picture& sheet,
                                 FramePacer& pacer, RaceView& view)
    : kit_(kit),
      sheet_(sheet),
      pacer_(pacer),
      view_(view),
      picBox_(kit.TwipsPerPixelX(), kit.TwipsPerPixelY(), kMainDesign.Control("picBox").width,
              kMainDesign.Control("picBox").height),
      tmrDown_(kMainDesign.Control("tmrDown").interval_ms),
      tmrRight_(kMainDesign.Control("tmrRight").interval_ms),
      lifecycle_(windows, *this) {
  // Both timers run from creation, as designed.
  pacer_.Start(Loop::Now());
}

MainControls WaylandMainForm::Controls() {
  return MainControls{*this, sheet_, picBox_, label1_, tmrDown_, tmrRight_};
}

Hwnd WaylandMainForm::hWnd() const { return WaylandToolkit::kOwnHwnd; }

void WaylandMainForm::Tick(std::int64_t now) {
  pacer_.RunDue(now, [this](std::size_t timer) {
    if (timer == 0) {
      Deliver([](MainFormEvents& ev) { ev.tmrDown_Timer(); });
    } else {
      Deliver([](MainFormEvents& ev) { ev.tmrRight_Timer(); });
    }
  });
}

void WaylandMainForm::Show() {
  // Drawing the first frame took time since the timers were made: start both over, together.
  pacer_.Start(Loop::Now());
  Present();
}

void WaylandMainForm::Present() {
  Surface& image = picBox_.Image();
  if (!image.Changed().Empty()) {
    for (const PixelRect& r : image.Changed().Items()) view_.Changed(r);
    image.ClearChanged();
    pacer_.Changed();
  }
  if (label1_.changed) {
    // The caption is drawn by the caption rasteriser once it is part of this backend; until
    // then only its state is kept.
    label1_.changed = false;
  }
  view_.Flush(image);
}

void WaylandMainForm::Destroy() { pacer_.Stop(); }

}  // namespace corvanta::wayland
