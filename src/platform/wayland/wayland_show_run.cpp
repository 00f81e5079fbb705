#include "platform/wayland/wayland_show_run.h"

#include <wayland-client.h>

#include <algorithm>
#include <cmath>

#include "layout/designs.h"
#include "layout/twips.h"

namespace corvanta::wayland {

ShowRun::ShowRun(wl_display* display, std::string command)
    : display_(display),
      loop_(display),
      globals_(display),
      monitors_(globals_, loop_),
      kit_(std::move(command), monitors_),
      pacer_(WaylandMainForm::TimersPacer()),
      view_(globals_, loop_, pacer_,
            RaceView::Events{[this] { Placed(); },
                             [this] {
                               if (form_) form_->FrameReady();
                             },
                             [this](wl_surface* s) { SurfaceGone(s); }}),
      windows_([this] { ended_ = true; }),
      sheet_(DecodeBmp(SpriteSheetFile())) {
  monitors_.OnSurfaceGone([this](wl_surface* s) { SurfaceGone(s); });
  Globals::Callbacks callbacks;
  callbacks.outputs_changed = [this] {
    // The first output after none: the race has somewhere to go again.
    if (running_ && !view_.Opened()) view_.Open();
    view_.Refit();
    monitors_.OutputsChanged();
  };
  callbacks.output_going = [this](Output& o) {
    // The race's own output: until the race stands on another, no monitor is the primary.
    if (o.output == view_.Output()) monitors_.SetRace(nullptr, view_.Where().scale);
    view_.OutputGoing(o.output);
    monitors_.OutputGoing(o);
  };
  callbacks.seat_added = [this](wl_seat* seat, std::uint32_t name) {
    seats_.push_back(std::make_unique<Seat>(seat, name, static_cast<InputSink&>(*this)));
  };
  callbacks.seat_removed = [this](std::uint32_t name) {
    seats_.erase(std::remove_if(seats_.begin(), seats_.end(),
                                [&](const auto& s) { return s->Name() == name; }),
                 seats_.end());
  };
  globals_.SetCallbacks(std::move(callbacks));
  // The globals, then what the outputs and seats say about themselves.
  wl_display_roundtrip(display_);
  wl_display_roundtrip(display_);
}

ShowRun::~ShowRun() {
  main_.reset();
  form_.reset();
}

int ShowRun::Run() {
  // Where the race goes, the compositor says once the surface shows something: black until
  // then. Only then is frmMain made, so that its load handler sees the screen it will fill.
  // A second show is refused by the load handler whatever it finds: it shows nothing at all,
  // not even a moment of black over the first.
  running_ = !kit_.PrevInstance();
  if (running_) {
    view_.Open();
    const Loop::End placed = loop_.Run({[this] { return view_.Placed(); },
                                        [this] { return view_.Deadline(); },
                                        [this](Loop::Micros now) { view_.Due(now); }});
    if (placed != Loop::End::kDone) return Ended(placed);
    kit_.SetScreen(view_.Where());
    monitors_.SetRace(view_.Output(), view_.Where().scale);
  }
  form_ = std::make_unique<WaylandMainForm>(kit_, windows_, sheet_, pacer_, view_);
  main_ = std::make_unique<frmMain>(kit_, form_->Controls());
  form_->Bind(*main_);
  form_->Deliver([](MainFormEvents& ev) { ev.Form_Load(); });
  if (kit_.CursorHidden()) {
    for (const auto& seat : seats_) seat->HideCursor();
  }
  const Loop::End end = loop_.Run({[this] { return ended_; },
                                   [this]() -> std::optional<Loop::Micros> {
                                     const auto tick = pacer_.NextWake();
                                     const auto guess = view_.Deadline();
                                     if (tick && guess) return std::min(*tick, *guess);
                                     return tick ? tick : guess;
                                   },
                                   [this](Loop::Micros now) {
                                     view_.Due(now);
                                     if (form_) form_->Tick(now);
                                   }});
  return Ended(end);
}

int ShowRun::Ended(Loop::End end) {
  if (end == Loop::End::kDisplayLost) return 1;
  // A stop signal closes the show as input does: its unload handler removes the covers and
  // shows the cursor again.
  if (end == Loop::End::kSignal && form_) form_->Unload();
  main_.reset();
  form_.reset();
  wl_display_flush(display_);
  return 0;
}

void ShowRun::Placed() {
  if (!main_) return;
  // The race's output went and the race stands on another, or its output changed size or
  // scale: it starts over there.
  const Screen& screen = view_.Where();
  kit_.SetScreen(screen);
  monitors_.SetRace(view_.Output(), screen.scale);
  form_->Refit(screen);
  form_->Deliver([this](MainFormEvents&) { main_->ScreenChanged(); });
}

void ShowRun::SurfaceGone(wl_surface* surface) {
  for (const auto& seat : seats_) seat->Forget(surface);
}

float ShowRun::Twips(double logical) const {
  const Screen& s = kit_.CurrentScreen();
  return PixelsToTwips(logical * s.scale, s.TwipsPerPixel());
}

void ShowRun::PointerEntered(wl_pointer* pointer, std::uint32_t serial) {
  if (kit_.CursorHidden()) wl_pointer_set_cursor(pointer, serial, nullptr, 0, 0);
}

void ShowRun::Key(wl_surface* focus, std::int16_t key, std::int16_t shift) {
  if (!form_) return;
  double x = 0, y = 0;
  if (focus == view_.Surface()) {
    form_->Deliver([&](MainFormEvents& ev) { ev.Form_KeyDown(key, shift); });
  } else if (CoverEvents* cover = monitors_.CoverOf(focus, x, y)) {
    form_->Deliver([&](MainFormEvents&) { cover->Cover_KeyDown(key, shift); });
  }
}

bool ShowRun::OnCover(wl_surface* surface, double x, double y, CoverPoint& at) const {
  double ox = 0, oy = 0;
  at.cover = monitors_.CoverOf(surface, ox, oy);
  if (!at.cover) return false;
  // Desktop coordinates, counted in the race output's pixels as the monitors are.
  const int s = monitors_.RaceScale();
  at.x = static_cast<std::int32_t>(std::lround(ox + x * s));
  at.y = static_cast<std::int32_t>(std::lround(oy + y * s));
  return true;
}

void ShowRun::Mouse(wl_surface* over, double x, double y, std::int16_t button, std::int16_t shift,
                    FormMouse on_form, CoverMouse on_cover) {
  if (!form_) return;
  CoverPoint at;
  if (over == view_.Surface()) {
    float tx = Twips(x), ty = Twips(y);
    form_->Deliver([&](MainFormEvents& ev) { (ev.*on_form)(button, shift, tx, ty); });
  } else if (OnCover(over, x, y, at)) {
    form_->Deliver([&](MainFormEvents&) { (at.cover->*on_cover)(button, shift, at.x, at.y); });
  }
}

void ShowRun::Button(wl_surface* over, double x, double y, std::int16_t button,
                     std::int16_t shift) {
  Mouse(over, x, y, button, shift, &MainFormEvents::Form_MouseDown, &CoverEvents::Cover_MouseDown);
}

void ShowRun::Motion(wl_surface* over, double x, double y, std::int16_t buttons,
                     std::int16_t shift) {
  Mouse(over, x, y, buttons, shift, &MainFormEvents::Form_MouseMove, &CoverEvents::Cover_MouseMove);
}

}  // namespace corvanta::wayland
