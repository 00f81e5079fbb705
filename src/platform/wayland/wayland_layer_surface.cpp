#include "platform/wayland/wayland_layer_surface.h"

#include <wayland-client.h>

#include <cstdlib>
#include <utility>

#include "fractional-scale-v1-client-protocol.h"
#include "platform/wayland/wayland_globals.h"
#include "platform/wayland/wayland_shm.h"
#include "viewporter-client-protocol.h"
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#include "xdg-activation-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

namespace corvanta::wayland {
namespace {

LayerSurface& SurfaceFrom(void* data) { return *static_cast<LayerSurface*>(data); }

void ConfigureSurface(void* data, zwlr_layer_surface_v1*, uint32_t serial, uint32_t width,
                      uint32_t height) {
  SurfaceFrom(data).Configure(serial, width, height);
}
void CloseSurface(void* data, zwlr_layer_surface_v1*) { SurfaceFrom(data).Close(); }
constexpr zwlr_layer_surface_v1_listener kLayerListener = {.configure = ConfigureSurface,
                                                           .closed = CloseSurface};

void ConfigureWindow(void* data, xdg_surface*, uint32_t serial) {
  SurfaceFrom(data).Configure(serial, 0, 0);
}
constexpr xdg_surface_listener kWindowListener = {.configure = ConfigureWindow};
void ProposeWindow(void* data, xdg_toplevel*, int32_t width, int32_t height, wl_array*) {
  SurfaceFrom(data).ProposeSize(width, height);
}
void CloseWindow(void* data, xdg_toplevel*) { SurfaceFrom(data).Close(); }
// The bounds and capabilities come only at versions above the one bound (2).
constexpr xdg_toplevel_listener kToplevelListener = {.configure = ProposeWindow,
                                                     .close = CloseWindow,
                                                     .configure_bounds = nullptr,
                                                     .wm_capabilities = nullptr};

void EnterOutput(void* data, wl_surface*, wl_output* output) { SurfaceFrom(data).Enter(output); }
void LeaveOutput(void*, wl_surface*, wl_output*) {}
constexpr wl_surface_listener kSurfaceListener = {.enter = EnterOutput, .leave = LeaveOutput};

void PreferScale(void* data, wp_fractional_scale_v1*, uint32_t scale120) {
  SurfaceFrom(data).SetPreferredScale(scale120);
}
constexpr wp_fractional_scale_v1_listener kFractionalScaleListener = {.preferred_scale =
                                                                          PreferScale};

void EndFrame(void* data, wl_callback*, uint32_t) { SurfaceFrom(data).FrameDone(); }
constexpr wl_callback_listener kFrameListener = {.done = EndFrame};

constexpr std::uint32_t kAllEdges =
    ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
    ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT;

// What each role asks of the layer shell.
struct RoleTraits {
  std::uint32_t layer;
  std::uint32_t keyboard;
  bool takes_pointer;
  const char* name_space;
  // -1: the whole output, under the panels' reserved space too; 0: the space they leave.
  std::int32_t exclusive_zone;
};

RoleTraits TraitsOf(Role role) {
  switch (role) {
    case Role::kRace:
      return {ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY,
              ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE, true, "corvanta-race", -1};
    case Role::kCover:
      return {ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE,
              true, "corvanta-cover", -1};
    case Role::kBackdrop:
      break;
  }
  // Not the background layer: a wallpaper program (sway's swaybg) started first hides what
  // comes after it there. In the space the panels leave: a panel on the bottom layer too is
  // then never under it, whichever of the two the compositor stacks higher (sway 1.7 puts the
  // newer one lower, so a bar restarted after the race would go under it).
  return {ZWLR_LAYER_SHELL_V1_LAYER_BOTTOM, ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE,
          false, "corvanta-backdrop", 0};
}

SurfaceId NextId() {
  static SurfaceId last = 0;
  return ++last;
}

}  // namespace

LayerSurface::LayerSurface(Globals& globals, Role role, wl_output* output)
    : globals_(globals), role_(role), id_(NextId()) {
  const RoleTraits traits = TraitsOf(role);
  surface_ = wl_compositor_create_surface(globals.Compositor());
  wl_surface_add_listener(surface_, &kSurfaceListener, this);
  if (!traits.takes_pointer) {
    // An empty input region: the pointer passes through to the desktop under it.
    wl_region* none = wl_compositor_create_region(globals.Compositor());
    wl_surface_set_input_region(surface_, none);
    wl_region_destroy(none);
  }
  if (globals.Viewporter()) {
    viewport_ = wp_viewporter_get_viewport(globals.Viewporter(), surface_);
    if (globals.FractionalScales()) {
      fractional_ =
          wp_fractional_scale_manager_v1_get_fractional_scale(globals.FractionalScales(), surface_);
      wp_fractional_scale_v1_add_listener(fractional_, &kFractionalScaleListener, this);
    }
  }
  if (globals.LayerShell()) {
    MakeLayerSurface(output);
  } else {
    MakeFullScreenWindow(output);
  }
}

void LayerSurface::MakeLayerSurface(wl_output* output) {
  const RoleTraits traits = TraitsOf(role_);
  layer_ = zwlr_layer_shell_v1_get_layer_surface(globals_.LayerShell(), surface_, output,
                                                 traits.layer, traits.name_space);
  zwlr_layer_surface_v1_add_listener(layer_, &kLayerListener, this);
  zwlr_layer_surface_v1_set_size(layer_, 0, 0);
  zwlr_layer_surface_v1_set_anchor(layer_, kAllEdges);
  zwlr_layer_surface_v1_set_exclusive_zone(layer_, traits.exclusive_zone);
  zwlr_layer_surface_v1_set_keyboard_interactivity(layer_, traits.keyboard);
  // No buffer yet: the compositor answers with the size to draw at.
  wl_surface_commit(surface_);
}

void LayerSurface::MakeFullScreenWindow(wl_output* output) {
  xdg_surface_ = xdg_wm_base_get_xdg_surface(globals_.WmBase(), surface_);
  xdg_surface_add_listener(xdg_surface_, &kWindowListener, this);
  toplevel_ = xdg_surface_get_toplevel(xdg_surface_);
  xdg_toplevel_add_listener(toplevel_, &kToplevelListener, this);
  xdg_toplevel_set_app_id(toplevel_, TraitsOf(role_).name_space);
  xdg_toplevel_set_title(toplevel_, "Corvanta Screen Saver");
  // Null: the output the compositor places new windows on, which the race then runs on.
  xdg_toplevel_set_fullscreen(toplevel_, output);
  wl_surface_commit(surface_);
  // A desktop that started us with a token of its own lets the race take the focus from the
  // window the user worked in; the token is used once.
  const char* token = std::getenv("XDG_ACTIVATION_TOKEN");
  if (role_ == Role::kRace && token && *token && globals_.Activation()) {
    xdg_activation_v1_activate(globals_.Activation(), token, surface_);
    unsetenv("XDG_ACTIVATION_TOKEN");
  }
}

LayerSurface::~LayerSurface() {
  if (frame_) wl_callback_destroy(frame_);
  if (fractional_) wp_fractional_scale_v1_destroy(fractional_);
  if (viewport_) wp_viewport_destroy(viewport_);
  if (layer_) zwlr_layer_surface_v1_destroy(layer_);
  if (toplevel_) xdg_toplevel_destroy(toplevel_);
  if (xdg_surface_) xdg_surface_destroy(xdg_surface_);
  wl_surface_destroy(surface_);
}

SurfaceId LayerSurface::IdOf(wl_surface* surface) {
  if (!surface) return 0;
  const auto* ours = static_cast<const LayerSurface*>(wl_surface_get_user_data(surface));
  return ours ? ours->id_ : 0;
}

bool LayerSurface::TakeResized() { return std::exchange(resized_, false); }

void LayerSurface::Configure(std::uint32_t serial, std::uint32_t width, std::uint32_t height) {
  if (layer_) {
    zwlr_layer_surface_v1_ack_configure(layer_, serial);
  } else {
    xdg_surface_ack_configure(xdg_surface_, serial);
    // A full-screen window is given its output's size; none given keeps the size it has.
    if (proposed_width_ <= 0 || proposed_height_ <= 0) return;
    width = static_cast<std::uint32_t>(proposed_width_);
    height = static_cast<std::uint32_t>(proposed_height_);
  }
  if (static_cast<int>(width) == width_ && static_cast<int>(height) == height_) return;
  width_ = static_cast<int>(width);
  height_ = static_cast<int>(height);
  resized_ = true;
}

void LayerSurface::Enter(wl_output* output) {
  if (const Output* o = globals_.FindOutput(output)) entered_output_ = o->name;
}

void LayerSurface::SetPreferredScale(std::uint32_t scale120) {
  if (static_cast<int>(scale120) == preferred_scale120_) return;
  preferred_scale120_ = static_cast<int>(scale120);
  resized_ = true;
}

void LayerSurface::FrameDone() {
  wl_callback_destroy(frame_);
  frame_ = nullptr;
}

void LayerSurface::CommitBlack() {
  if (!Configured()) return;
  ShmBuffer* black = viewport_ ? globals_.BlackPixel() : nullptr;
  if (black) {
    // One pixel stretched over the surface: black looks the same at any size and scale. The
    // middle one of three by three, so that a compositor filtering at the edges blends black
    // with black, not with what lies beyond the buffer.
    SetViewport(true, true);
  } else {
    // Fresh memory is black already; one pixel a unit looks the same at any scale.
    if (!black_ || black_->Width() != width_ || black_->Height() != height_) {
      black_ = ShmBuffer::Create(globals_.Shm(), width_, height_);
    }
    black = black_.get();
    if (!black) return;
    if (viewport_) SetViewport(false, false);
  }
  wl_surface_set_buffer_scale(surface_, 1);
  wl_surface_attach(surface_, black->Buffer(), 0, 0);
  wl_surface_damage_buffer(surface_, 0, 0, black->Width(), black->Height());
  wl_surface_commit(surface_);
}

void LayerSurface::SetViewport(bool middle_pixel, bool sized) {
  if (middle_pixel != viewport_middle_) {
    const wl_fixed_t at = wl_fixed_from_int(middle_pixel ? 1 : -1);
    wp_viewport_set_source(viewport_, at, at, at, at);
    viewport_middle_ = middle_pixel;
  }
  const int width = sized ? width_ : -1, height = sized ? height_ : -1;
  if (width != viewport_width_ || height != viewport_height_) {
    wp_viewport_set_destination(viewport_, width, height);
    viewport_width_ = width, viewport_height_ = height;
  }
}

void LayerSurface::Attach(ShmBuffer& b, BufferFit fit) {
  // A viewport set for black would stretch the race; one for a fractional scale gives the
  // surface its logical size.
  if (viewport_) SetViewport(false, fit.viewport);
  wl_surface_set_buffer_scale(surface_, fit.viewport ? 1 : fit.scale);
  wl_surface_attach(surface_, b.Buffer(), 0, 0);
  b.busy = true;
}

void LayerSurface::Damage(int x, int y, int width, int height) {
  wl_surface_damage_buffer(surface_, x, y, width, height);
}

void LayerSurface::FinishFrame(Micros now) {
  if (!frame_) {
    frame_ = wl_surface_frame(surface_);
    wl_callback_add_listener(frame_, &kFrameListener, this);
  }
  committed_at_ = now;
  wl_surface_commit(surface_);
}

}  // namespace corvanta::wayland
