#include "platform/wayland/wayland_main_form.h"

#include "layout/designs.h"
#include "platform/wayland/wayland_shm.h"
#include "platform/wayland/wayland_loop.h"
#include "platform/wayland/wayland_toolkit.h"

namespace corvanta::wayland {

TimerGrid WaylandMainForm::DesignedTimers() {
  return TimerGrid({kMainDesign.Control("tmrDown").interval_ms,
                     kMainDesign.Control("tmrRight").interval_ms});
}

WaylandMainForm::WaylandMainForm(WaylandToolkit& kit, WindowCount& windows, const Picture& sheet,
                                 TimerGrid& timers, RaceView& view)
    : kit_(kit),
      sheet_(sheet),
      timers_(timers),
      view_(view),
      picBox_(kit.TwipsPerPixelX(), kit.TwipsPerPixelY(), kMainDesign.Control("picBox").width,
              kMainDesign.Control("picBox").height),
      tmrDown_(kMainDesign.Control("tmrDown").interval_ms),
      tmrRight_(kMainDesign.Control("tmrRight").interval_ms),
      lifecycle_(windows, *this) {
  // Both timers run from creation, as designed.
  timers_.Start(Loop::Now());
  Refit(kit.CurrentScreen());
}

void WaylandMainForm::Refit(const Screen& screen) {
  picBox_.SetTwipsPerPixel(screen.TwipsPerPixel(), screen.TwipsPerPixel());
  // The caption's points are drawn in the output's own pixels, as the balls are.
  const ControlDesign& label = kMainDesign.Control("Label1");
  caption_raster_ =
      std::make_unique<linux_services::CaptionRaster>(*label.font, 96.0 / 72.0 * screen.scale);
  label1_.changed = true;
}

PixelRect WaylandMainForm::CaptionBox() const {
  if (!label1_.visible) return {};
  const ControlDesign& label = kMainDesign.Control("Label1");
  const int left = picBox_.PixelsX(label1_.left), top = picBox_.PixelsY(label1_.top);
  return {left, top, left + picBox_.PixelsX(label.width), top + picBox_.PixelsY(label.height)};
}

MainControls WaylandMainForm::Controls() {
  return MainControls{*this, sheet_, picBox_, label1_, tmrDown_, tmrRight_};
}

Hwnd WaylandMainForm::hWnd() const { return WaylandToolkit::kOwnHwnd; }

void WaylandMainForm::Tick(std::int64_t now) {
  timers_.RunDue(now, view_.StallLimit(), [this](std::size_t timer) {
    if (timer == 0) {
      Deliver([](MainFormEvents& ev) { ev.tmrDown_Timer(); });
    } else {
      Deliver([](MainFormEvents& ev) { ev.tmrRight_Timer(); });
    }
  });
}

void WaylandMainForm::Show() {
  // Drawing the first frame took time since the timers were made: start both over, together.
  timers_.Start(Loop::Now());
  Present();
}

void WaylandMainForm::Present() {
  Surface& image = picBox_.Image();
  if (!image.Changed().Empty()) {
    for (const PixelRect& r : image.Changed().Items()) view_.Changed(r);
    image.ClearChanged();
  }
  if (label1_.changed) {
    label1_.changed = false;
    const PixelRect box = CaptionBox();
    view_.Changed(caption_box_);
    view_.Changed(box);
    caption_box_ = box;
    const ControlDesign& label = kMainDesign.Control("Label1");
    view_.SetOverlay(box, [this, fore = *label.fore_colour, back = *label.back_colour](
                              ShmBuffer& b, const PixelRect& at) {
      caption_raster_->Draw(label1_.caption, fore, back, b.Pixels(), b.Width() * 4, b.Width(),
                            b.Height(), at);
    });
  }
  view_.Flush(image);
}

void WaylandMainForm::Destroy() { timers_.Stop(); }

}  // namespace corvanta::wayland
