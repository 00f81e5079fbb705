#include "platform/wayland/wayland_globals.h"

#include <wayland-client.h>

#include <algorithm>
#include <cstring>

#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#include "xdg-output-unstable-v1-client-protocol.h"

namespace corvanta::wayland {
namespace {

Output& Of(void* data) { return *static_cast<Output*>(data); }

// wl_output.done is where a description ends (version 2 on); xdg-output's own done is only
// needed from compositors older than its version 3, which end with wl_output.done too.
struct OutputListeners {
  static void Geometry(void*, wl_output*, int32_t, int32_t, int32_t, int32_t, int32_t,
                       const char*, const char*, int32_t) {}
  static void Mode(void* data, wl_output*, uint32_t flags, int32_t w, int32_t h, int32_t) {
    if (flags & WL_OUTPUT_MODE_CURRENT) Of(data).next.mode_width = w, Of(data).next.mode_height = h;
  }
  static void Done(void* data, wl_output*) { Of(data).globals->Described(Of(data)); }
  static void Scale(void* data, wl_output*, int32_t factor) {
    Of(data).next.scale = std::max(factor, 1);
  }
  static void OutputName(void*, wl_output*, const char*) {}

  static void LogicalPosition(void* data, zxdg_output_v1*, int32_t x, int32_t y) {
    Of(data).next.x = x, Of(data).next.y = y, Of(data).next.logical = true;
  }
  static void LogicalSize(void* data, zxdg_output_v1*, int32_t w, int32_t h) {
    Of(data).next.width = w, Of(data).next.height = h, Of(data).next.logical = true;
  }
  static void XdgDone(void* data, zxdg_output_v1*) { Of(data).globals->Described(Of(data)); }
  static void Name(void*, zxdg_output_v1*, const char*) {}
  static void Description(void*, zxdg_output_v1*, const char*) {}
};

const wl_output_listener kOutput = {&OutputListeners::Geometry, &OutputListeners::Mode,
                                    &OutputListeners::Done, &OutputListeners::Scale,
                                    &OutputListeners::OutputName, &OutputListeners::OutputName};
const zxdg_output_v1_listener kXdgOutput = {
    &OutputListeners::LogicalPosition, &OutputListeners::LogicalSize, &OutputListeners::XdgDone,
    &OutputListeners::Name, &OutputListeners::Description};

void OnGlobal(void* data, wl_registry*, uint32_t name, const char* interface, uint32_t version) {
  static_cast<Globals*>(data)->Added(name, interface, version);
}
void OnGlobalRemove(void* data, wl_registry*, uint32_t name) {
  static_cast<Globals*>(data)->Removed(name);
}
const wl_registry_listener kRegistry = {&OnGlobal, &OnGlobalRemove};

template <typename T>
T* Bind(wl_registry* registry, std::uint32_t name, const wl_interface* interface,
        std::uint32_t offered, std::uint32_t wanted) {
  return static_cast<T*>(wl_registry_bind(registry, name, interface, std::min(offered, wanted)));
}

}  // namespace

Globals::Globals(wl_display* display) : display_(display) {
  registry_ = wl_display_get_registry(display_);
  wl_registry_add_listener(registry_, &kRegistry, this);
}

Globals::~Globals() {
  for (auto& o : outputs_) {
    if (o->xdg) zxdg_output_v1_destroy(o->xdg);
    wl_output_destroy(o->output);
  }
  for (auto& [name, seat] : seats_) wl_seat_destroy(seat);
  if (xdg_outputs_) zxdg_output_manager_v1_destroy(xdg_outputs_);
  if (layer_shell_) zwlr_layer_shell_v1_destroy(layer_shell_);
  if (shm_) wl_shm_destroy(shm_);
  if (compositor_) wl_compositor_destroy(compositor_);
  wl_registry_destroy(registry_);
}

void Globals::Added(std::uint32_t name, const char* interface, std::uint32_t version) {
  const auto is = [&](const wl_interface& i) { return std::strcmp(interface, i.name) == 0; };
  if (is(wl_compositor_interface)) {
    // Version 4 for damage in buffer pixels.
    if (version >= 4) compositor_ = Bind<wl_compositor>(registry_, name, &wl_compositor_interface, version, 4);
  } else if (is(wl_shm_interface)) {
    shm_ = Bind<wl_shm>(registry_, name, &wl_shm_interface, version, 1);
  } else if (is(zwlr_layer_shell_v1_interface)) {
    layer_shell_ = Bind<zwlr_layer_shell_v1>(registry_, name, &zwlr_layer_shell_v1_interface, version, 4);
  } else if (is(zxdg_output_manager_v1_interface)) {
    xdg_outputs_ = Bind<zxdg_output_manager_v1>(registry_, name, &zxdg_output_manager_v1_interface,
                                                 version, 3);
    for (auto& o : outputs_) DescribeWithXdg(*o);
  } else if (is(wl_output_interface) && version >= 2) {
    auto o = std::make_unique<Output>();
    o->globals = this;
    o->name = name;
    o->output = Bind<wl_output>(registry_, name, &wl_output_interface, version, 2);
    wl_output_add_listener(o->output, &kOutput, o.get());
    DescribeWithXdg(*o);
    outputs_.push_back(std::move(o));
  } else if (is(wl_seat_interface)) {
    wl_seat* seat = Bind<wl_seat>(registry_, name, &wl_seat_interface, version, 5);
    seats_.emplace_back(name, seat);
    if (callbacks_.seat_added) callbacks_.seat_added(seat, name);
  }
}

void Globals::DescribeWithXdg(Output& o) {
  if (!xdg_outputs_ || o.xdg) return;
  o.xdg = zxdg_output_manager_v1_get_xdg_output(xdg_outputs_, o.output);
  zxdg_output_v1_add_listener(o.xdg, &kXdgOutput, &o);
}

void Globals::Described(Output& o) {
  // Several outputs may change at once (one moved, the others shifted); each description is
  // taken whole at its end, so nobody sees an output half moved.
  o.scale = o.next.scale;
  o.mode_width = o.next.mode_width, o.mode_height = o.next.mode_height;
  o.logical = o.next.logical;
  o.x = o.next.x, o.y = o.next.y;
  o.width = o.logical ? o.next.width : o.mode_width / o.scale;
  o.height = o.logical ? o.next.height : o.mode_height / o.scale;
  // A description given before xdg-output told the place is not the whole story yet.
  const bool was_ready = o.ready;
  o.ready = o.width > 0 && o.height > 0 && (o.logical || !o.xdg);
  if ((o.ready || was_ready) && callbacks_.outputs_changed) callbacks_.outputs_changed();
}

void Globals::Removed(std::uint32_t name) {
  const auto out = std::find_if(outputs_.begin(), outputs_.end(),
                                [&](const auto& o) { return o->name == name; });
  if (out != outputs_.end()) {
    std::unique_ptr<Output> o = std::move(*out);
    outputs_.erase(out);
    if (callbacks_.output_going) callbacks_.output_going(*o);
    if (o->xdg) zxdg_output_v1_destroy(o->xdg);
    wl_output_destroy(o->output);
    if (o->ready && callbacks_.outputs_changed) callbacks_.outputs_changed();
    return;
  }
  const auto seat = std::find_if(seats_.begin(), seats_.end(),
                                 [&](const auto& s) { return s.first == name; });
  if (seat != seats_.end()) {
    if (callbacks_.seat_removed) callbacks_.seat_removed(name);
    wl_seat_destroy(seat->second);
    seats_.erase(seat);
  }
}

std::vector<Output*> Globals::Outputs() const {
  std::vector<Output*> ready;
  for (const auto& o : outputs_) {
    if (o->ready) ready.push_back(o.get());
  }
  return ready;
}

Output* Globals::Find(wl_output* output) const {
  for (const auto& o : outputs_) {
    if (o->output == output) return o.get();
  }
  return nullptr;
}

}  // namespace corvanta::wayland
