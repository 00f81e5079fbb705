#pragma once
// The outputs as monitors, and the black covers over them. A monitor is an output's place in
// the desktop's layout (xdg-output), counted from the race output's corner, as Windows counts
// from the primary's, and in the race output's pixels: logical units times that output's
// scale, so that a distance means the same number of twips over a cover as over the race. The
// race's output is the primary, and stays where the show started however the layout moves. A
// cover is a surface of the cover role on its output, owned by the output's record: it goes
// when its output goes, whatever the show says after.

#include <vector>

#include "layout/monitors.h"
#include "platform/wayland/wayland_layer_surface.h"

namespace corvanta::wayland {

class Globals;
struct Output;

class WaylandMonitors final : public MonitorService {
 public:
  explicit WaylandMonitors(Globals& globals) : globals_(globals) {}

  // Where the race stands now: its surface, on an output of that scale.
  void SetRace(SurfaceId race, double scale) {
    race_ = race, race_scale_ = scale;
    FollowRace();
  }

  std::vector<Monitor> List() const override;
  CoverId MakeCover(const Monitor& area) override;
  void RemoveCover(CoverId cover) override;
  void Listen(CoverEvents* events) override { listener_ = events; }

  // The outputs changed: the show hears of it.
  void OutputsChanged();
  // Paints the covers the compositor sized anew, drops those it closed.
  void Update();
  // The listener of the cover a surface is, with the surface's origin in monitor coordinates;
  // null when it is no cover.
  CoverEvents* CoverAt(SurfaceId surface, double& x, double& y) const;
  double RaceScale() const { return race_scale_; }

 private:
  Monitor MonitorOf(const Output& o) const;
  // Takes the race output's corner as the origin again; kept while the race has no output.
  void FollowRace();

  Globals& globals_;
  SurfaceId race_ = 0;
  double race_scale_ = 1;
  int origin_x_ = 0, origin_y_ = 0;  // logical
  CoverEvents* listener_ = nullptr;
};

}  // namespace corvanta::wayland
