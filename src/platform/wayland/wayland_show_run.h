#pragma once
// The show on one compositor connection: the globals with the outputs and what is drawn on
// them, the race window, the covers, the seats, and the loop that drives them.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/wayland/wayland_loop.h"
#include "platform/wayland/wayland_race_window.h"
#include "platform/wayland/wayland_seat.h"
#include "platform/wayland/wayland_stage.h"
#include "show/frm_main.h"

struct wl_display;

namespace corvanta::wayland {

class ShowRun final : private InputSink, private Loop::Work {
 public:
  // Learns the compositor's globals and outputs; blocks for two round trips.
  ShowRun(wl_display* display, std::string command);
  ~ShowRun();

  // Runs the show to its end; the exit code.
  int Run();

 private:
  void Update(Loop::Micros now) override;
  bool Done() const override { return window_.Ended(); }
  std::optional<Loop::Micros> NextWake() const override { return window_.NextWake(); }

  void PointerEntered(wl_pointer* pointer, std::uint32_t serial) override;
  void Key(SurfaceId focus, std::int16_t key, std::int16_t shift) override;
  void Button(SurfaceId over, double x, double y, std::int16_t button, std::int16_t shift) override;
  void Motion(SurfaceId over, double x, double y, std::int16_t buttons,
              std::int16_t shift) override;
  // A race-surface position in twips, as the show window's handlers take it.
  float Twips(double logical);
  // A press or a move goes to the show window in twips, or to the cover under it in pixels.
  using FormMouse = void (MainFormEvents::*)(std::int16_t&, std::int16_t&, float&, float&);
  using CoverMouse = void (CoverEvents::*)(std::int16_t, std::int16_t, std::int32_t, std::int32_t);
  void Mouse(SurfaceId over, double x, double y, std::int16_t button, std::int16_t shift,
             FormMouse on_form, CoverMouse on_cover);

  Stage stage_;
  RaceWindow window_;
  Loop loop_;
  bool cursor_hidden_ = false;
};

}  // namespace corvanta::wayland
