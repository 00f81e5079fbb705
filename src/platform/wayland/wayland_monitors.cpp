#include "platform/wayland/wayland_monitors.h"

#include <cmath>
#include <memory>

#include "platform/wayland/wayland_globals.h"

namespace corvanta::wayland {

void WaylandMonitors::FollowRace() {
  if (const Output* race = globals_.OutputHolding(race_)) {
    origin_x_ = race->description.Layout().x, origin_y_ = race->description.Layout().y;
  }
}

Monitor WaylandMonitors::MonitorOf(const Output& o) const {
  const OutputLayout& l = o.description.Layout();
  const auto pixels = [this](int logical) {
    return static_cast<std::int32_t>(std::lround(logical * race_scale_));
  };
  return {pixels(l.x - origin_x_), pixels(l.y - origin_y_), pixels(l.width), pixels(l.height),
          &o == globals_.OutputHolding(race_)};
}

std::vector<Monitor> WaylandMonitors::List() const {
  std::vector<Monitor> monitors;
  for (const Output* o : globals_.Outputs()) monitors.push_back(MonitorOf(*o));
  return monitors;
}

CoverId WaylandMonitors::MakeCover(const Monitor& area) {
  Output* output = nullptr;
  for (Output* o : globals_.Outputs()) {
    const Monitor m = MonitorOf(*o);
    if (m.left == area.left && m.top == area.top && m.width == area.width &&
        m.height == area.height) {
      output = o;
    }
  }
  // No such output (any more): nothing to cover, and nothing to remove later.
  if (!output) return 0;
  auto cover = std::make_unique<LayerSurface>(globals_, Role::kCover, output->output);
  const CoverId id = cover->Id();
  globals_.AddSurface(std::move(cover), output);
  return id;
}

void WaylandMonitors::RemoveCover(CoverId cover) {
  const LayerSurface* s = globals_.FindSurface(cover);
  if (s && s->SurfaceRole() == Role::kCover) globals_.RemoveSurface(cover);
}

void WaylandMonitors::Update() {
  for (LayerSurface* cover : globals_.Surfaces(Role::kCover)) {
    if (cover->Closed()) {
      globals_.RemoveSurface(cover->Id());
    } else if (cover->TakeResized()) {
      cover->CommitBlack();
    }
  }
}

void WaylandMonitors::OutputsChanged() {
  FollowRace();
  if (listener_) listener_->Monitors_Changed();
}

CoverEvents* WaylandMonitors::CoverAt(SurfaceId surface, double& x, double& y) const {
  const LayerSurface* s = globals_.FindSurface(surface);
  const Output* o = globals_.OutputHolding(surface);
  if (!s || !o || s->SurfaceRole() != Role::kCover) return nullptr;
  const Monitor m = MonitorOf(*o);
  x = m.left, y = m.top;
  return listener_;
}

}  // namespace corvanta::wayland
