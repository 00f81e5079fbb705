#include "platform/wayland/wayland_monitors.h"

#include <wayland-client.h>

#include <array>

#include "platform/wayland/wayland_loop.h"

namespace corvanta::wayland {

void WaylandMonitors::FollowRace() {
  if (const Output* race = race_output_ ? globals_.Find(race_output_) : nullptr) {
    origin_x_ = race->x, origin_y_ = race->y;
  }
}

Monitor WaylandMonitors::Of(const Output& o) const {
  const int s = race_scale_;
  return {(o.x - origin_x_) * s, (o.y - origin_y_) * s, o.width * s, o.height * s,
          o.output == race_output_};
}

std::vector<Monitor> WaylandMonitors::List() const {
  std::vector<Monitor> monitors;
  for (const Output* o : globals_.Outputs()) monitors.push_back(Of(*o));
  return monitors;
}

CoverId WaylandMonitors::MakeCover(const Monitor& area) {
  Output* output = nullptr;
  for (Output* o : globals_.Outputs()) {
    const Monitor m = Of(*o);
    if (m.left == area.left && m.top == area.top && m.width == area.width &&
        m.height == area.height) {
      output = o;
    }
  }
  const CoverId id = next_++;
  // No such output (any more): nothing to cover, and nothing to remove later.
  if (!output) return id;
  Cover& c = covers_[id];
  c.output = output;
  LayerSurface::Events events;
  events.configured = [this, id] {
    const auto it = covers_.find(id);
    if (it != covers_.end()) Paint(it->second);
  };
  // Its output went: the cover goes with it, once the compositor's word on it is handled.
  events.closed = [this, id] { loop_.Later([this, id] { RemoveCover(id); }); };
  c.surface = std::make_unique<LayerSurface>(globals_, output->output, false, std::move(events));
  return id;
}

void WaylandMonitors::Paint(Cover& c) {
  // Black at one pixel a unit looks the same at any scale, and fresh memory is black already.
  c.black = ShmBuffer::Create(globals_.Shm(), c.surface->Width(), c.surface->Height());
  if (!c.black) return;
  const std::array<PixelRect, 1> all{PixelRect{0, 0, c.black->Width(), c.black->Height()}};
  c.surface->Commit(*c.black, 1, all, false);
}

void WaylandMonitors::RemoveCover(CoverId cover) {
  const auto it = covers_.find(cover);
  if (it == covers_.end()) return;
  if (surface_gone_) surface_gone_(it->second.surface->Surface());
  covers_.erase(it);
}

void WaylandMonitors::OutputGoing(const Output& output) {
  std::vector<CoverId> gone;
  for (const auto& [id, c] : covers_) {
    if (c.output == &output) gone.push_back(id);
  }
  for (const CoverId id : gone) RemoveCover(id);
}

void WaylandMonitors::OutputsChanged() {
  FollowRace();
  if (listener_) listener_->Monitors_Changed();
}

CoverEvents* WaylandMonitors::CoverOf(wl_surface* surface, double& x, double& y) const {
  for (const auto& [id, c] : covers_) {
    if (c.surface && c.surface->Surface() == surface) {
      const Monitor m = Of(*c.output);
      x = m.left, y = m.top;
      return listener_;
    }
  }
  return nullptr;
}

void WaylandMonitors::ForEachSurface(const std::function<void(wl_surface*)>& f) const {
  for (const auto& [id, c] : covers_) f(c.surface->Surface());
}

}  // namespace corvanta::wayland
