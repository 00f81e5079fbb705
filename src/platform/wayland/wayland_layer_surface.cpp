#include "platform/wayland/wayland_layer_surface.h"

#include <wayland-client.h>

#include "platform/wayland/wayland_globals.h"
#include "platform/wayland/wayland_shm.h"
#include "wlr-layer-shell-unstable-v1-client-protocol.h"

namespace corvanta::wayland {
namespace {

LayerSurface& Of(void* data) { return *static_cast<LayerSurface*>(data); }

void OnConfigure(void* data, zwlr_layer_surface_v1*, uint32_t serial, uint32_t w, uint32_t h) {
  Of(data).OnConfigure(serial, w, h);
}
void OnClosed(void* data, zwlr_layer_surface_v1*) { Of(data).OnClosed(); }
const zwlr_layer_surface_v1_listener kLayer = {&OnConfigure, &OnClosed};

void OnEnter(void* data, wl_surface*, wl_output* output) { Of(data).OnEnter(output); }
void OnLeave(void*, wl_surface*, wl_output*) {}
const wl_surface_listener kSurface = {&OnEnter, &OnLeave};

void OnFrame(void* data, wl_callback*, uint32_t) { Of(data).OnFrame(); }
const wl_callback_listener kFrame = {&OnFrame};

constexpr std::uint32_t kAllEdges =
    ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
    ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT;

}  // namespace

LayerSurface::LayerSurface(Globals& globals, wl_output* output, bool keyboard, Events events,
                           bool backdrop)
    : events_(std::move(events)) {
  surface_ = wl_compositor_create_surface(globals.Compositor());
  wl_surface_add_listener(surface_, &kSurface, this);
  if (backdrop) {
    wl_region* none = wl_compositor_create_region(globals.Compositor());
    wl_surface_set_input_region(surface_, none);
    wl_region_destroy(none);
  }
  layer_ = zwlr_layer_shell_v1_get_layer_surface(
      globals.LayerShell(), surface_, output,
      backdrop ? ZWLR_LAYER_SHELL_V1_LAYER_BACKGROUND : ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY,
      "corvanta");
  zwlr_layer_surface_v1_add_listener(layer_, &kLayer, this);
  zwlr_layer_surface_v1_set_size(layer_, 0, 0);
  zwlr_layer_surface_v1_set_anchor(layer_, kAllEdges);
  // -1, not 0: a surface of zone 0 is kept out of the space panels reserve, and a backdrop
  // must lie under them too, as a wallpaper does.
  zwlr_layer_surface_v1_set_exclusive_zone(layer_, -1);
  zwlr_layer_surface_v1_set_keyboard_interactivity(
      layer_, keyboard ? ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE
                       : ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE);
  // No buffer yet: the compositor answers with the size to draw at.
  wl_surface_commit(surface_);
}

LayerSurface::~LayerSurface() {
  if (frame_) wl_callback_destroy(frame_);
  zwlr_layer_surface_v1_destroy(layer_);
  wl_surface_destroy(surface_);
}

void LayerSurface::OnConfigure(std::uint32_t serial, std::uint32_t width, std::uint32_t height) {
  zwlr_layer_surface_v1_ack_configure(layer_, serial);
  const bool changed = static_cast<int>(width) != width_ || static_cast<int>(height) != height_;
  width_ = static_cast<int>(width);
  height_ = static_cast<int>(height);
  if (changed && events_.configured) events_.configured();
}

void LayerSurface::OnEnter(wl_output* output) {
  output_ = output;
  if (events_.entered) events_.entered(output);
}

void LayerSurface::OnFrame() {
  wl_callback_destroy(frame_);
  frame_ = nullptr;
  if (events_.frame_done) events_.frame_done();
}

void LayerSurface::OnClosed() {
  if (events_.closed) events_.closed();
}

void LayerSurface::Attach(ShmBuffer& b, int scale) {
  wl_surface_set_buffer_scale(surface_, scale);
  wl_surface_attach(surface_, b.Buffer(), 0, 0);
  b.busy = true;
}

void LayerSurface::Damage(int x, int y, int width, int height) {
  wl_surface_damage_buffer(surface_, x, y, width, height);
}

void LayerSurface::Finish(bool frame) {
  if (frame && !frame_) {
    frame_ = wl_surface_frame(surface_);
    wl_callback_add_listener(frame_, &kFrame, this);
  }
  wl_surface_commit(surface_);
}

}  // namespace corvanta::wayland
