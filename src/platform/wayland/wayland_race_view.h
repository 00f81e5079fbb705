#pragma once
// The race's surface: an overlay layer surface with the keyboard, on the output the compositor
// picks, and the frames it shows.
//
// Which output that is, and so its scale, the compositor says only once the surface shows a
// buffer: the surface first shows black at one pixel a unit (black looks right at any scale),
// and stands placed once it has entered an output. Only then is the race drawn, in that
// output's own pixels. When the compositor closes it (its output went), a new one is placed the
// same way on an output that is left; when its output takes another size or scale, the race
// is placed anew there.
//
// Frames: the picture's changes are noted as they come, and at most one commit per frame
// callback copies into a buffer the compositor does not hold what that buffer lacks.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "layout/rect_list.h"
#include "layout/surface.h"
#include "platform/wayland/wayland_frame_pacer.h"
#include "platform/wayland/wayland_layer_surface.h"
#include "platform/wayland/wayland_shm.h"
#include "platform/wayland/wayland_toolkit.h"

namespace corvanta::wayland {

class Globals;
class Loop;

class RaceView {
 public:
  struct Events {
    std::function<void()> placed;               // stands on an output now, first or again
    std::function<void()> frame_ready;          // a frame may be committed
    std::function<void(wl_surface*)> going;     // the surface is about to be destroyed
  };

  // home: the display mode's backdrop on that output alone, on the background layer, with
  // no keyboard and no input; null: the show's race, wherever the compositor likes.
  RaceView(Globals& globals, Loop& loop, FramePacer& pacer, Events events,
           wl_output* home = nullptr);
  ~RaceView();

  // A new surface, wherever the compositor likes; none while there is no output at all.
  void Open();
  bool Placed() const { return placed_; }
  bool Opened() const { return surface_ != nullptr; }
  const Screen& Where() const { return screen_; }
  wl_output* Output() const { return surface_ ? surface_->Output() : nullptr; }
  wl_surface* Surface() const { return surface_ ? surface_->Surface() : nullptr; }

  // Its output may have another size or scale now: if so, the race is placed there anew.
  void Refit();
  // The output is about to be destroyed.
  void OutputGoing(wl_output* output) {
    if (surface_) surface_->Forget(output);
  }

  // The picture changed in r (its pixels).
  void Changed(const PixelRect& r);
  // Commits what changed, if the compositor is ready for a frame.
  void Flush(const corvanta::Surface& image);
  // What is drawn over the picture in box (its pixels): the caption. An empty box: nothing.
  // The caller reports the old and the new box as changed.
  void SetOverlay(const PixelRect& box, std::function<void(ShmBuffer&, const PixelRect&)> draw) {
    overlay_box_ = box;
    overlay_ = std::move(draw);
  }

  // When the placement must be settled without the compositor's word, if it says nothing.
  std::optional<std::int64_t> Deadline() const { return guess_at_; }
  void Due(std::int64_t now);

 private:
  void Configured();
  void Entered(wl_output* output);
  void Place(wl_output* output);
  void Closed();

  Globals& globals_;
  Loop& loop_;
  FramePacer& pacer_;
  Events events_;
  wl_output* home_;
  std::unique_ptr<LayerSurface> surface_;
  std::unique_ptr<ShmBuffer> black_;
  BufferRing ring_;
  RectList damage_;  // since the last commit
  Screen screen_;
  bool placed_ = false;
  std::optional<std::int64_t> guess_at_;
  PixelRect overlay_box_;
  std::function<void(ShmBuffer&, const PixelRect&)> overlay_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace corvanta::wayland
