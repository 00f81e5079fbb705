#pragma once
// One full-screen overlay surface of the layer shell: anchored on all four edges at size 0 x 0,
// in nobody's way and moved by no one's exclusive zone. Its configures are acknowledged as they
// come, so the next commit always follows the latest; what it reports back (its size, the output
// it entered, a frame callback, its end) goes to its owner.

#include <cstdint>
#include <functional>

struct wl_callback;
struct wl_output;
struct wl_surface;
struct zwlr_layer_surface_v1;

namespace corvanta::wayland {

class Globals;
class ShmBuffer;

class LayerSurface {
 public:
  struct Events {
    std::function<void()> configured;         // a new size, or the first
    std::function<void(wl_output*)> entered;  // it is shown on that output now
    std::function<void()> frame_done;         // the compositor is ready for the next frame
    std::function<void()> closed;             // it will not be shown again
  };

  // output null: where the compositor likes. keyboard: exclusive keyboard interactivity.
  // backdrop: on the background layer instead, under every window, and input passes through
  // it to the desktop (an empty input region).
  LayerSurface(Globals& globals, wl_output* output, bool keyboard, Events events,
               bool backdrop = false);
  ~LayerSurface();
  LayerSurface(const LayerSurface&) = delete;
  LayerSurface& operator=(const LayerSurface&) = delete;

  wl_surface* Surface() const { return surface_; }
  bool Configured() const { return width_ > 0 && height_ > 0; }
  // The configured size, in logical units.
  int Width() const { return width_; }
  int Height() const { return height_; }
  wl_output* Output() const { return output_; }
  // The output is about to be destroyed: the surface stands on none it knows of.
  void Forget(wl_output* output) {
    if (output_ == output) output_ = nullptr;
  }

  // Attaches b, drawn at scale pixels a unit, with the given rectangles (buffer pixels) as
  // damage, asks for a frame callback when frame is set, and commits.
  template <typename Rects>
  void Commit(ShmBuffer& b, int scale, const Rects& damage, bool frame) {
    Attach(b, scale);
    for (const auto& r : damage) Damage(r.left, r.top, r.Width(), r.Height());
    Finish(frame);
  }

  // For the listeners.
  void OnConfigure(std::uint32_t serial, std::uint32_t width, std::uint32_t height);
  void OnEnter(wl_output* output);
  void OnFrame();
  void OnClosed();

 private:
  void Attach(ShmBuffer& b, int scale);
  void Damage(int x, int y, int width, int height);
  void Finish(bool frame);

  wl_surface* surface_ = nullptr;
  zwlr_layer_surface_v1* layer_ = nullptr;
  wl_callback* frame_ = nullptr;
  wl_output* output_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  Events events_;
};

}  // namespace corvanta::wayland
