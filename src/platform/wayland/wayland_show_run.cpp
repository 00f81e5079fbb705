#include "platform/wayland/wayland_show_run.h"

#include <wayland-client.h>

#include <cmath>

#include "layout/twips.h"

namespace corvanta::wayland {

ShowRun::ShowRun(wl_display* display, std::string command)
    : stage_(display, this),
      window_(
          stage_.globals, stage_.monitors, stage_.sheet,
          RaceSetup{.role = Role::kRace, .command = std::move(command), .speed = {}, .output = 0}),
      loop_(display) {}

ShowRun::~ShowRun() { window_.Close(); }

int ShowRun::Run() {
  window_.Start();
  const Loop::End end = loop_.Run(*this);
  if (end != Loop::End::kDisplayLost) {
    // A stop signal closes the show as input does: its unload handler removes the covers and
    // shows the cursor again.
    if (end == Loop::End::kSignal) window_.Unload();
    window_.Close();
  }
  return stage_.ExitCode(end);
}

void ShowRun::Update(Loop::Micros now) {
  const bool outputs_changed = stage_.globals.TakeOutputsChanged();
  if (outputs_changed) window_.OutputsChanged();
  window_.Update(now);
  if (outputs_changed) stage_.monitors.OutputsChanged();
  stage_.monitors.Update();
  if (!cursor_hidden_ && window_.Kit().CursorHidden()) {
    cursor_hidden_ = true;
    stage_.globals.HideCursors();
  }
}

float ShowRun::Twips(double logical) {
  const Screen& s = window_.Kit().CurrentScreen();
  return PixelsToTwips(logical * s.scale, s.TwipsPerPixel());
}

void ShowRun::PointerEntered(wl_pointer* pointer, std::uint32_t serial) {
  if (window_.Kit().CursorHidden()) wl_pointer_set_cursor(pointer, serial, nullptr, 0, 0);
}

void ShowRun::Key(SurfaceId focus, std::int16_t key, std::int16_t shift) {
  double x = 0, y = 0;
  if (focus == window_.Surface()) {
    window_.Deliver([&](MainFormEvents& ev) { ev.Form_KeyDown(key, shift); });
  } else if (CoverEvents* cover = stage_.monitors.CoverAt(focus, x, y)) {
    window_.Deliver([&](MainFormEvents&) { cover->Cover_KeyDown(key, shift); });
  }
}

void ShowRun::Mouse(SurfaceId over, double x, double y, std::int16_t button, std::int16_t shift,
                    FormMouse on_form, CoverMouse on_cover) {
  double origin_x = 0, origin_y = 0;
  if (over == window_.Surface()) {
    float tx = Twips(x), ty = Twips(y);
    window_.Deliver([&](MainFormEvents& ev) { (ev.*on_form)(button, shift, tx, ty); });
  } else if (CoverEvents* cover = stage_.monitors.CoverAt(over, origin_x, origin_y)) {
    // Desktop coordinates, counted in the race output's pixels as the monitors are.
    const double s = stage_.monitors.RaceScale();
    const auto at_x = static_cast<std::int32_t>(std::lround(origin_x + x * s));
    const auto at_y = static_cast<std::int32_t>(std::lround(origin_y + y * s));
    window_.Deliver([&](MainFormEvents&) { (cover->*on_cover)(button, shift, at_x, at_y); });
  }
}

void ShowRun::Button(SurfaceId over, double x, double y, std::int16_t button, std::int16_t shift) {
  Mouse(over, x, y, button, shift, &MainFormEvents::Form_MouseDown, &CoverEvents::Cover_MouseDown);
}

void ShowRun::Motion(SurfaceId over, double x, double y, std::int16_t buttons, std::int16_t shift) {
  Mouse(over, x, y, buttons, shift, &MainFormEvents::Form_MouseMove, &CoverEvents::Cover_MouseMove);
}

}  // namespace corvanta::wayland
