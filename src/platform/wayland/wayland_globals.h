#pragma once
// The compositor's globals the program uses, kept up to date as they come and go: the
// compositor, shared memory, the layer shell, the viewporter, the outputs (each a record that
// owns what is drawn on it) and, for a program that takes input, the seats. Outputs and seats
// that appear or vanish while the program runs are the normal case. Listeners only record what
// they hear; the loop acts on it.

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/wayland/wayland_layer_surface.h"
#include "platform/wayland/wayland_output.h"

struct wl_compositor;
struct wl_display;
struct wl_output;
struct wl_registry;
struct wl_shm;
struct wp_fractional_scale_manager_v1;
struct wp_viewporter;
struct xdg_activation_v1;
struct xdg_wm_base;
struct zwlr_layer_shell_v1;
struct zxdg_output_manager_v1;

namespace corvanta::wayland {

class InputSink;
class Seat;
class ShmBuffer;

class Globals {
 public:
  // input: where the seats' input goes; null binds no seat at all.
  Globals(wl_display* display, InputSink* input);
  ~Globals();
  Globals(const Globals&) = delete;
  Globals& operator=(const Globals&) = delete;

  // Learns the globals, then what the outputs say about themselves: two round trips.
  void Learn();
  // The interface the program cannot do without and the compositor lacks; null when none.
  const char* Missing() const;

  wl_compositor* Compositor() const { return compositor_; }
  wl_shm* Shm() const { return shm_; }
  zwlr_layer_shell_v1* LayerShell() const { return layer_shell_; }
  // Where there is no layer shell, the show's surfaces are full-screen windows of xdg-shell;
  // the starter's activation token, handed over, gives the race the focus.
  xdg_wm_base* WmBase() const { return wm_base_; }
  xdg_activation_v1* Activation() const { return activation_; }
  // All the show needs to be full-screen windows.
  bool OffersFullScreenWindows() const { return wm_base_ && compositor_ && shm_; }
  zxdg_output_manager_v1* XdgOutputs() const { return xdg_outputs_; }
  // Null where the compositor offers none.
  wp_viewporter* Viewporter() const { return viewporter_; }
  wp_fractional_scale_manager_v1* FractionalScales() const { return fractional_scales_; }
  // A black buffer of 3 x 3 pixels for every surface that shows black through a viewport (the
  // middle pixel, stretched); null without the viewporter or shared memory.
  ShmBuffer* BlackPixel();

  // The outputs described in full; the others are still being described.
  std::vector<Output*> Outputs() const;
  // Every output, described in full or not.
  std::vector<Output*> EveryOutput() const;
  Output* FindOutput(wl_output* output) const;
  Output* FindOutput(std::uint32_t name) const;
  // An output was added, removed or described anew since the last call.
  bool TakeOutputsChanged();
  void MarkOutputsChanged() { outputs_changed_ = true; }

  // A surface on output, which owns it from now on; null: on no output the program knows yet
  // (the compositor picks), held here until AdoptSurface hands it to one.
  LayerSurface& AddSurface(std::unique_ptr<LayerSurface> surface, Output* output);
  void AdoptSurface(SurfaceId id, Output& output);
  void RemoveSurface(SurfaceId id);
  // Null once the surface is gone, with its output or otherwise.
  LayerSurface* FindSurface(SurfaceId id) const;
  Output* OutputHolding(SurfaceId id) const;
  // Every surface of a role, on an output or not yet.
  std::vector<LayerSurface*> Surfaces(Role role) const;
  // Hides the cursor over the surface each pointer is over now.
  void HideCursors();

  // For the registry's listener.
  void Announce(std::uint32_t name, const char* interface, std::uint32_t version);
  void Withdraw(std::uint32_t name);

 private:
  wl_display* display_;
  InputSink* input_;
  wl_registry* registry_ = nullptr;
  wl_compositor* compositor_ = nullptr;
  wl_shm* shm_ = nullptr;
  zwlr_layer_shell_v1* layer_shell_ = nullptr;
  xdg_wm_base* wm_base_ = nullptr;
  xdg_activation_v1* activation_ = nullptr;
  zxdg_output_manager_v1* xdg_outputs_ = nullptr;
  wp_viewporter* viewporter_ = nullptr;
  wp_fractional_scale_manager_v1* fractional_scales_ = nullptr;
  std::unique_ptr<ShmBuffer> black_pixel_;
  std::vector<std::unique_ptr<Output>> outputs_;
  std::vector<std::unique_ptr<LayerSurface>> unplaced_;
  std::vector<std::unique_ptr<Seat>> seats_;
  bool outputs_changed_ = false;
};

}  // namespace corvanta::wayland
