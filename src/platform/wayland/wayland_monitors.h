#pragma once
// The outputs as monitors, and the black covers over them. A monitor is an output's place in
// the desktop's layout (xdg-output), counted from the race output's corner, as Windows counts
// from the primary's, and in the race output's pixels: logical units times that output's
// scale, so that a distance means the same number of twips over a cover as over the race. The
// race's output is the primary, and stays where the show started however the layout moves. A cover is a black overlay layer surface on its
// output, with no keyboard; it goes when its output goes, whatever the show says after.

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "layout/monitors.h"
#include "platform/wayland/wayland_globals.h"
#include "platform/wayland/wayland_layer_surface.h"
#include "platform/wayland/wayland_shm.h"

struct wl_surface;

namespace corvanta::wayland {

class Loop;

class WaylandMonitors final : public MonitorService {
 public:
  WaylandMonitors(Globals& globals, Loop& loop) : globals_(globals), loop_(loop) {}

  // Where the race stands now: its output and scale; null output while it has none.
  void SetRace(wl_output* output, int scale) {
    race_output_ = output, race_scale_ = scale;
    FollowRace();
  }

  std::vector<Monitor> List() const override;
  CoverId MakeCover(const Monitor& area) override;
  void RemoveCover(CoverId cover) override;
  void Listen(CoverEvents* events) override { listener_ = events; }

  // Told of every surface of a cover before it is destroyed.
  void OnSurfaceGone(std::function<void(wl_surface*)> f) { surface_gone_ = std::move(f); }

  // The outputs changed: the show hears of it.
  void OutputsChanged();
  // Takes the covers of an output that is about to be destroyed.
  void OutputGoing(const Output& output);
  // The listener of the cover a surface belongs to, with the surface's origin in monitor
  // coordinates; null when it is no cover of ours.
  CoverEvents* CoverOf(wl_surface* surface, double& x, double& y) const;
  int RaceScale() const { return race_scale_; }
  void ForEachSurface(const std::function<void(wl_surface*)>& f) const;

 private:
  struct Cover {
    Output* output = nullptr;
    std::unique_ptr<LayerSurface> surface;
    std::unique_ptr<ShmBuffer> black;
  };
  Monitor Of(const Output& o) const;
  // Takes the race output's corner as the origin again; kept while the race has no output.
  void FollowRace();
  void Paint(Cover& c);

  Globals& globals_;
  Loop& loop_;
  wl_output* race_output_ = nullptr;
  int race_scale_ = 1;
  int origin_x_ = 0, origin_y_ = 0;  // logical
  CoverEvents* listener_ = nullptr;
  std::function<void(wl_surface*)> surface_gone_;
  std::map<CoverId, Cover> covers_;
  CoverId next_ = 1;
};

}  // namespace corvanta::wayland
