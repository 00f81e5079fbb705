#pragma once
// The show on one compositor connection: the globals, the race's surface, the covers, the
// seats, frmMain on its controls, and the loop that drives them.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "layout/form_lifecycle.h"
#include "layout/picture.h"
#include "platform/wayland/wayland_frame_pacer.h"
#include "platform/wayland/wayland_globals.h"
#include "platform/wayland/wayland_loop.h"
#include "platform/wayland/wayland_main_form.h"
#include "platform/wayland/wayland_monitors.h"
#include "platform/wayland/wayland_race_view.h"
#include "platform/wayland/wayland_seat.h"
#include "platform/wayland/wayland_toolkit.h"
#include "show/frm_main.h"

struct wl_display;

namespace corvanta::wayland {

class ShowRun final : private InputSink {
 public:
  // Learns the compositor's globals and outputs; blocks for two round trips.
  ShowRun(wl_display* display, std::string command);
  ~ShowRun();

  // Runs the show to its end; the exit code.
  int Run();

 private:
  void Placed();
  void PointerEntered(wl_pointer* pointer, std::uint32_t serial) override;
  void Key(wl_surface* focus, std::int16_t key, std::int16_t shift) override;
  void Button(wl_surface* over, double x, double y, std::int16_t button,
              std::int16_t shift) override;
  void Motion(wl_surface* over, double x, double y, std::int16_t buttons,
              std::int16_t shift) override;
  // A race-surface position in twips, as the show window's handlers take it.
  float Twips(double logical) const;
  struct CoverPoint {
    CoverEvents* cover = nullptr;
    std::int32_t x = 0, y = 0;
  };
  bool OnCover(wl_surface* surface, double x, double y, CoverPoint& at) const;
  // A press or a move goes to the show window in twips, or to the cover under it in pixels.
  using FormMouse = void (MainFormEvents::*)(std::int16_t&, std::int16_t&, float&, float&);
  using CoverMouse = void (CoverEvents::*)(std::int16_t, std::int16_t, std::int32_t, std::int32_t);
  void Mouse(wl_surface* over, double x, double y, std::int16_t button, std::int16_t shift,
             FormMouse on_form, CoverMouse on_cover);
  void SurfaceGone(wl_surface* surface);
  int Ended(Loop::End end);

  wl_display* display_;
  Loop loop_;
  Globals globals_;
  WaylandMonitors monitors_;
  WaylandToolkit kit_;
  FramePacer pacer_;
  RaceView view_;
  std::vector<std::unique_ptr<Seat>> seats_;
  bool running_ = false;  // Run has begun: a race surface may be made
  bool ended_ = false;
  WindowCount windows_;
  Picture sheet_;
  std::unique_ptr<WaylandMainForm> form_;
  std::unique_ptr<frmMain> main_;
};

}  // namespace corvanta::wayland
