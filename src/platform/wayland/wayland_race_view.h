#pragma once
// The frames of a race window: the picture's changes are noted as they come, and at most one
// commit per frame callback copies into a buffer the compositor does not hold what that buffer
// lacks, with the caption drawn over it. The surface is named by id: when it goes, with its
// output or otherwise, there is nothing to commit to until the window is placed on another.

#include <cstdint>
#include <functional>

#include "layout/rect_list.h"
#include "layout/surface.h"
#include "platform/wayland/wayland_layer_surface.h"
#include "platform/wayland/wayland_shm.h"
#include "platform/wayland/wayland_toolkit.h"

namespace corvanta::wayland {

class Globals;

class RaceView {
 public:
  explicit RaceView(Globals& globals) : globals_(globals) {}

  // The surface the race is drawn on from now on, at screen's size: all of it is to be shown.
  void Place(SurfaceId surface, const Screen& screen);
  SurfaceId Surface() const { return surface_; }

  // The picture changed in r (its pixels).
  void Changed(const PixelRect& r);
  // Commits what changed, if the surface is there and ready for a frame.
  void Flush(const corvanta::Surface& image);
  // What is drawn over the picture in box (its pixels): the caption. An empty box: nothing.
  // The caller reports the old and the new box as changed.
  void SetOverlay(const PixelRect& box, std::function<void(ShmBuffer&, const PixelRect&)> draw) {
    overlay_box_ = box;
    overlay_ = std::move(draw);
  }
  // When the owner's timers must hold still: the surface is not being drawn.
  std::int64_t StallLimit() const;

 private:
  Globals& globals_;
  SurfaceId surface_ = 0;
  Screen screen_;
  BufferRing ring_;
  RectList damage_;  // since the last commit
  PixelRect overlay_box_;
  std::function<void(ShmBuffer&, const PixelRect&)> overlay_;
};

}  // namespace corvanta::wayland
