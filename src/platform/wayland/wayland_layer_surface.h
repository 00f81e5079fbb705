#pragma once
// One full-screen surface of the layer shell: anchored on all four edges at size 0 x 0. Its role
// decides the rest: the layer, whether it takes the keyboard and the pointer, whether it lies
// under the panels' reserved space too, and the namespace a compositor's rules can tell it by.
// Where the compositor has no layer shell (GNOME's, weston) the show's surfaces are full-screen
// windows of xdg-shell instead, each on its output.
//
// Its listeners only record what the compositor said (a new size, the output it entered, its
// end, a frame callback); the loop acts on it. It holds the commit gate: at most one commit per
// frame callback, and a commit waiting for its callback longer than a compositor ever takes to
// draw (its outputs are off, or it hid the surface) holds back its owner's timers.
//
// Only the shell is the layer shell's: the constructor's request and the configure and closed
// events. A full-screen xdg_toplevel for compositors without the layer shell would be a second
// shell beside it, feeding the same Configure and Close; the rest (the surface, its viewport
// and fractional scale, black, frames and the gate) is the same for both.

#include <cstdint>
#include <limits>
#include <memory>

struct wl_callback;
struct wl_output;
struct wl_surface;
struct wp_fractional_scale_v1;
struct wp_viewport;
struct xdg_surface;
struct xdg_toplevel;
struct zwlr_layer_surface_v1;

namespace corvanta::wayland {

class Globals;
class ShmBuffer;

enum class Role {
  kRace,      // the show's race: overlay layer, the keyboard, the pointer
  kCover,     // black over an output the race is not on: overlay layer, the pointer
  kBackdrop,  // the display mode's race: bottom layer, over the wallpaper and under the
              // windows, in the space docked panels leave; no keyboard, no pointer
};

// How a frame's buffer maps onto the surface: at an integer buffer scale, or at buffer scale 1
// stretched by the viewport over the surface's logical size (a fractional scale, where the
// buffer is already in the output's own pixels).
struct BufferFit {
  int scale = 1;
  bool viewport = false;
};

// Unique for the program's life, so that one names no other surface after its own is gone.
using SurfaceId = std::int32_t;

class LayerSurface {
 public:
  using Micros = std::int64_t;
  // Ten frames at the slowest refresh an output offers are far longer than any drawing.
  static constexpr Micros kStall = 200'000;

  // output null: the compositor picks one.
  LayerSurface(Globals& globals, Role role, wl_output* output);
  ~LayerSurface();
  LayerSurface(const LayerSurface&) = delete;
  LayerSurface& operator=(const LayerSurface&) = delete;

  SurfaceId Id() const { return id_; }
  Role SurfaceRole() const { return role_; }
  // The id of one of the program's surfaces; 0 for none (or one already destroyed).
  static SurfaceId IdOf(wl_surface* surface);

  // The configured size in logical units; 0 x 0 until the first configure.
  bool Configured() const { return width_ > 0 && height_ > 0; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The size changed since the last call (the first configure counts).
  bool TakeResized();
  // The compositor will not show it again.
  bool Closed() const { return closed_; }
  // The registry name of the output it last entered; 0 before any.
  std::uint32_t EnteredOutput() const { return entered_output_; }
  // Where the compositor offers fractional scales and the viewporter: the scale it would have
  // the surface drawn at, in 120ths, 0 until it says. Its change counts as a resize.
  bool TellsScale() const { return fractional_ != nullptr; }
  int PreferredScale120() const { return preferred_scale120_; }

  // Shows black over the whole surface, without a frame callback.
  void CommitBlack();
  // Attaches b, fitted as fit says, with the given rectangles (buffer pixels) as damage, asks
  // for a frame callback and commits. Only when no callback is pending.
  template <typename Rects>
  void CommitFrame(ShmBuffer& b, BufferFit fit, const Rects& damage, Micros now) {
    Attach(b, fit);
    for (const auto& r : damage) Damage(r.left, r.top, r.Width(), r.Height());
    FinishFrame(now);
  }
  // A committed frame waits for its callback.
  bool FramePending() const { return frame_ != nullptr; }
  // Past this time the owner's timers hold still: the compositor is not drawing the surface.
  Micros StallLimit() const {
    return frame_ ? committed_at_ + kStall : std::numeric_limits<Micros>::max();
  }

  // For the listeners.
  void Configure(std::uint32_t serial, std::uint32_t width, std::uint32_t height);
  void Enter(wl_output* output);
  void FrameDone();
  void Close() { closed_ = true; }
  // A full-screen window's size, told before the configure that applies it; 0 x 0: ours.
  void ProposeSize(std::int32_t width, std::int32_t height) {
    proposed_width_ = width, proposed_height_ = height;
  }
  void SetPreferredScale(std::uint32_t scale120);

 private:
  // The viewport's source (the middle pixel of three, or all the buffer) and destination
  // (the surface's logical size, or the buffer's own), asked anew only when they change.
  void SetViewport(bool middle_pixel, bool sized);
  void Attach(ShmBuffer& b, BufferFit fit);
  void Damage(int x, int y, int width, int height);
  void FinishFrame(Micros now);
  void MakeLayerSurface(wl_output* output);
  void MakeFullScreenWindow(wl_output* output);

  Globals& globals_;
  const Role role_;
  const SurfaceId id_;
  wl_surface* surface_ = nullptr;
  zwlr_layer_surface_v1* layer_ = nullptr;
  xdg_surface* xdg_surface_ = nullptr;  // a full-screen window's, without the layer shell
  xdg_toplevel* toplevel_ = nullptr;
  std::int32_t proposed_width_ = 0, proposed_height_ = 0;
  wp_viewport* viewport_ = nullptr;
  wp_fractional_scale_v1* fractional_ = nullptr;
  int preferred_scale120_ = 0;
  // What the viewport was last told: a source of the middle pixel, a destination of this size.
  bool viewport_middle_ = false;
  int viewport_width_ = -1, viewport_height_ = -1;
  wl_callback* frame_ = nullptr;
  Micros committed_at_ = 0;
  std::unique_ptr<ShmBuffer> black_;  // without a viewporter: black at the surface's size
  int width_ = 0;
  int height_ = 0;
  bool resized_ = false;
  bool closed_ = false;
  std::uint32_t entered_output_ = 0;
};

}  // namespace corvanta::wayland
