#include "platform/wayland/wayland_globals.h"

#include <wayland-client.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "fractional-scale-v1-client-protocol.h"
#include "platform/wayland/wayland_seat.h"
#include "platform/wayland/wayland_shm.h"
#include "viewporter-client-protocol.h"
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#include "xdg-activation-v1-client-protocol.h"
#include "xdg-output-unstable-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

namespace corvanta::wayland {
namespace {

void AnnounceGlobal(void* data, wl_registry*, uint32_t name, const char* interface,
                    uint32_t version) {
  static_cast<Globals*>(data)->Announce(name, interface, version);
}
void WithdrawGlobal(void* data, wl_registry*, uint32_t name) {
  static_cast<Globals*>(data)->Withdraw(name);
}
constexpr wl_registry_listener kRegistryListener = {.global = AnnounceGlobal,
                                                    .global_remove = WithdrawGlobal};

// A client that does not answer is taken for hung, and its windows greyed or killed.
void Pong(void*, xdg_wm_base* wm_base, uint32_t serial) { xdg_wm_base_pong(wm_base, serial); }
constexpr xdg_wm_base_listener kWmBaseListener = {.ping = Pong};

template <typename T>
T* Bind(wl_registry* registry, std::uint32_t name, const wl_interface& interface,
        std::uint32_t offered, std::uint32_t wanted) {
  return static_cast<T*>(wl_registry_bind(registry, name, &interface, std::min(offered, wanted)));
}

template <typename Holders>
auto FindHolding(Holders& holders, SurfaceId id) {
  return std::find_if(holders.begin(), holders.end(), [&](const auto& h) { return h->Id() == id; });
}

}  // namespace

Globals::Globals(wl_display* display, InputSink* input) : display_(display), input_(input) {
  registry_ = wl_display_get_registry(display_);
  wl_registry_add_listener(registry_, &kRegistryListener, this);
}

Globals::~Globals() {
  seats_.clear();
  outputs_.clear();
  unplaced_.clear();
  black_pixel_.reset();
  if (fractional_scales_) wp_fractional_scale_manager_v1_destroy(fractional_scales_);
  if (viewporter_) wp_viewporter_destroy(viewporter_);
  if (xdg_outputs_) zxdg_output_manager_v1_destroy(xdg_outputs_);
  if (layer_shell_) zwlr_layer_shell_v1_destroy(layer_shell_);
  if (activation_) xdg_activation_v1_destroy(activation_);
  if (wm_base_) xdg_wm_base_destroy(wm_base_);
  if (shm_) wl_shm_destroy(shm_);
  if (compositor_) wl_compositor_destroy(compositor_);
  wl_registry_destroy(registry_);
}

void Globals::Learn() {
  wl_display_roundtrip(display_);
  wl_display_roundtrip(display_);
}

const char* Globals::Missing() const {
  if (!layer_shell_) return "layer shell (zwlr_layer_shell_v1)";
  if (!compositor_) return "wl_compositor of version 4";
  return shm_ ? nullptr : "wl_shm";
}

void Globals::Announce(std::uint32_t name, const char* interface, std::uint32_t version) {
  const auto is = [&](const wl_interface& i) { return std::strcmp(interface, i.name) == 0; };
  if (is(wl_compositor_interface)) {
    // Version 4 for damage in buffer pixels.
    if (version >= 4) {
      compositor_ = Bind<wl_compositor>(registry_, name, wl_compositor_interface, version, 4);
    }
  } else if (is(wl_shm_interface)) {
    shm_ = Bind<wl_shm>(registry_, name, wl_shm_interface, version, 1);
  } else if (is(zwlr_layer_shell_v1_interface)) {
    layer_shell_ =
        Bind<zwlr_layer_shell_v1>(registry_, name, zwlr_layer_shell_v1_interface, version, 4);
  } else if (is(xdg_wm_base_interface)) {
    wm_base_ = Bind<xdg_wm_base>(registry_, name, xdg_wm_base_interface, version, 2);
    xdg_wm_base_add_listener(wm_base_, &kWmBaseListener, nullptr);
  } else if (is(xdg_activation_v1_interface)) {
    activation_ = Bind<xdg_activation_v1>(registry_, name, xdg_activation_v1_interface, version, 1);
  } else if (is(zxdg_output_manager_v1_interface)) {
    xdg_outputs_ =
        Bind<zxdg_output_manager_v1>(registry_, name, zxdg_output_manager_v1_interface, version, 3);
    for (auto& o : outputs_) o->AskPlace();
  } else if (is(wp_viewporter_interface)) {
    viewporter_ = Bind<wp_viewporter>(registry_, name, wp_viewporter_interface, version, 1);
  } else if (is(wp_fractional_scale_manager_v1_interface)) {
    fractional_scales_ = Bind<wp_fractional_scale_manager_v1>(
        registry_, name, wp_fractional_scale_manager_v1_interface, version, 1);
  } else if (is(wl_output_interface) && version >= 2) {
    outputs_.push_back(std::make_unique<Output>(
        *this, name, Bind<wl_output>(registry_, name, wl_output_interface, version, 2)));
  } else if (is(wl_seat_interface) && input_) {
    seats_.push_back(std::make_unique<Seat>(
        Bind<wl_seat>(registry_, name, wl_seat_interface, version, 5), name, *input_));
  }
}

void Globals::Withdraw(std::uint32_t name) {
  // The output's record takes everything drawn on it along.
  const auto out = std::find_if(outputs_.begin(), outputs_.end(),
                                [&](const auto& o) { return o->name == name; });
  if (out != outputs_.end()) {
    const std::unique_ptr<Output> gone = std::move(*out);
    outputs_.erase(out);
    outputs_changed_ = true;
    return;
  }
  std::erase_if(seats_, [&](const auto& s) { return s->Name() == name; });
}

ShmBuffer* Globals::BlackPixel() {
  if (!black_pixel_ && viewporter_ && shm_) black_pixel_ = ShmBuffer::Create(shm_, 3, 3);
  return black_pixel_.get();
}

std::vector<Output*> Globals::Outputs() const {
  std::vector<Output*> ready;
  for (const auto& o : outputs_) {
    if (o->description.Ready()) ready.push_back(o.get());
  }
  return ready;
}

std::vector<Output*> Globals::EveryOutput() const {
  std::vector<Output*> every;
  for (const auto& o : outputs_) every.push_back(o.get());
  return every;
}

Output* Globals::FindOutput(wl_output* output) const {
  for (const auto& o : outputs_) {
    if (o->output == output) return o.get();
  }
  return nullptr;
}

Output* Globals::FindOutput(std::uint32_t name) const {
  for (const auto& o : outputs_) {
    if (o->name == name) return o.get();
  }
  return nullptr;
}

bool Globals::TakeOutputsChanged() { return std::exchange(outputs_changed_, false); }

LayerSurface& Globals::AddSurface(std::unique_ptr<LayerSurface> surface, Output* output) {
  auto& holder = output ? output->surfaces : unplaced_;
  holder.push_back(std::move(surface));
  return *holder.back();
}

void Globals::AdoptSurface(SurfaceId id, Output& output) {
  const auto it = FindHolding(unplaced_, id);
  if (it == unplaced_.end()) return;
  output.surfaces.push_back(std::move(*it));
  unplaced_.erase(it);
}

void Globals::RemoveSurface(SurfaceId id) {
  std::erase_if(unplaced_, [&](const auto& s) { return s->Id() == id; });
  for (auto& o : outputs_) std::erase_if(o->surfaces, [&](const auto& s) { return s->Id() == id; });
}

LayerSurface* Globals::FindSurface(SurfaceId id) const {
  if (id == 0) return nullptr;
  if (const auto it = FindHolding(unplaced_, id); it != unplaced_.end()) return it->get();
  for (const auto& o : outputs_) {
    if (const auto it = FindHolding(o->surfaces, id); it != o->surfaces.end()) return it->get();
  }
  return nullptr;
}

Output* Globals::OutputHolding(SurfaceId id) const {
  for (const auto& o : outputs_) {
    if (FindHolding(o->surfaces, id) != o->surfaces.end()) return o.get();
  }
  return nullptr;
}

std::vector<LayerSurface*> Globals::Surfaces(Role role) const {
  std::vector<LayerSurface*> found;
  const auto collect = [&](const auto& holder) {
    for (const auto& s : holder) {
      if (s->SurfaceRole() == role) found.push_back(s.get());
    }
  };
  collect(unplaced_);
  for (const auto& o : outputs_) collect(o->surfaces);
  return found;
}

void Globals::HideCursors() {
  for (const auto& seat : seats_) seat->HideCursor();
}

}  // namespace corvanta::wayland
