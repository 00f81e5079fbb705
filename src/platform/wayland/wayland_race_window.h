#pragma once
// A race window: the race's surface with its toolkit, timers, frames and form, the same for the
// show (one window, wherever the compositor puts it) and the backdrop (one on each output).
//
// Where the race goes, and so its scale, the compositor says only once the surface shows a
// buffer: the surface first shows black (black looks right at any scale) and stands placed once
// it has entered an output, or after a second without a word, on the output it most likely is
// on. Only then is the race drawn, in that output's own pixels, and the form made, so that its
// load handler sees the screen it will fill. When the surface goes (its output went, or the
// compositor closed it), a new one is placed the same way; when its output takes another size
// or scale, the race is placed anew there: the show starts its race over on the same form, a
// backdrop is made anew at the new size.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "layout/form_lifecycle.h"
#include "layout/forms.h"
#include "layout/picture.h"
#include "layout/timer_grid.h"
#include "platform/wayland/wayland_layer_surface.h"
#include "platform/wayland/wayland_main_form.h"
#include "platform/wayland/wayland_race_view.h"
#include "platform/wayland/wayland_toolkit.h"

namespace corvanta {
class frmMain;
}

namespace corvanta::wayland {

class Globals;
struct Output;
class WaylandMonitors;

struct RaceSetup {
  Role role = Role::kRace;            // kRace: the show's window; kBackdrop: a display mode's
  std::string command;                // the show's command line
  std::optional<std::int16_t> speed;  // the display mode's ball speed for this run
  std::uint32_t output = 0;           // a backdrop's output (the registry's name)
};

class RaceWindow {
 public:
  using Micros = std::int64_t;

  RaceWindow(Globals& globals, WaylandMonitors& monitors, const Picture& sheet, RaceSetup setup);
  ~RaceWindow();
  RaceWindow(const RaceWindow&) = delete;
  RaceWindow& operator=(const RaceWindow&) = delete;

  WaylandToolkit& Kit() { return kit_; }
  // From here on a surface is asked for; a second show is refused by its load handler at once,
  // with no surface at all: not even a moment of black over the first.
  void Start();
  // The window closed: the show is over.
  bool Ended() const { return ended_; }
  // The surface the race is drawn on; 0 while there is none.
  SurfaceId Surface() const { return placed_ ? view_.Surface() : 0; }

  // Its output may have another size or scale now.
  void OutputsChanged() { refit_wanted_ = true; }
  // Acts on what its surface was told, runs the timers that are due and shows what changed.
  void Update(Micros now);
  std::optional<Micros> NextWake() const;

  // Input and stop signals, for the window's handlers.
  template <typename Handler>
  void Deliver(Handler&& handler) {
    if (form_) form_->Deliver(std::forward<Handler>(handler));
  }
  void Unload() {
    if (form_) form_->Unload();
  }
  // Destroys the form and its handlers.
  void Close();

 private:
  void Open();
  Output* GuessOutput(const LayerSurface& surface) const;
  void Place(const LayerSurface& surface, Output& output);
  void Refit(const LayerSurface& surface);
  void MakeForm();

  Globals& globals_;
  WaylandMonitors& monitors_;
  const Picture& sheet_;
  const RaceSetup setup_;
  WaylandToolkit kit_;
  TimerGrid timers_;
  RaceView view_;
  WindowCount windows_;
  SurfaceId surface_ = 0;  // asked for, placed or not
  bool surface_wanted_ = false;
  bool placed_ = false;
  bool refit_wanted_ = false;
  bool ended_ = false;
  std::optional<Micros> guess_at_;
  std::unique_ptr<WaylandMainForm> form_;
  std::unique_ptr<MainFormEvents> handlers_;
  frmMain* show_ = nullptr;  // the handlers, when they are the show's
};

}  // namespace corvanta::wayland
