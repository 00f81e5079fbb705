#pragma once
// Shared-memory buffers for one surface size: up to three, each with its own account of where
// it is behind the picture it is meant to show, so that a frame copies only what changed since
// that buffer was last shown. A buffer the compositor holds is never written; it is free again
// at its release.

#include <array>
#include <cstdint>
#include <memory>

#include "layout/rect_list.h"

struct wl_buffer;
struct wl_shm;

namespace corvanta::wayland {

class ShmBuffer {
 public:
  // A black buffer (XRGB8888) in fresh shared memory; nullptr when the system refuses.
  static std::unique_ptr<ShmBuffer> Create(wl_shm* shm, int width, int height);
  ~ShmBuffer();
  ShmBuffer(const ShmBuffer&) = delete;
  ShmBuffer& operator=(const ShmBuffer&) = delete;

  wl_buffer* Buffer() const { return buffer_; }
  std::uint32_t* Pixels() const { return pixels_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  bool busy = false;  // the compositor holds it: set at attach, cleared at its release
  RectList behind;    // where it differs from the picture it should show

 private:
  ShmBuffer() = default;

  wl_buffer* buffer_ = nullptr;
  std::uint32_t* pixels_ = nullptr;
  std::size_t bytes_ = 0;
  int width_ = 0;
  int height_ = 0;
};

// Up to three buffers of one size for a surface, each behind the picture where it says. Buffer
// is ShmBuffer in the program: Create(shm, width, height), with busy and behind as above.
template <typename Buffer>
class BasicBufferRing {
 public:
  static constexpr std::size_t kMost = 3;

  // Drops every buffer when the size changes.
  void Size(wl_shm* shm, int width, int height) {
    shm_ = shm;
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    for (auto& b : buffers_) b.reset();
  }
  // r changed in the picture: every buffer is behind there now.
  void MarkBehind(const PixelRect& r) {
    for (auto& b : buffers_) {
      if (b) b->behind.Add(r);
    }
  }
  // A buffer the compositor does not hold, made if need be (a new one is black, so behind
  // only where the picture is not: fresh_behind says where); nullptr when all are held.
  Buffer* Free(const RectList& fresh_behind) {
    for (auto& b : buffers_) {
      if (b && !b->busy) return b.get();
    }
    for (auto& b : buffers_) {
      if (b) continue;
      b = Buffer::Create(shm_, width_, height_);
      if (!b) return nullptr;
      for (const PixelRect& r : fresh_behind.Items()) b->behind.Add(r);
      return b.get();
    }
    return nullptr;
  }

 private:
  wl_shm* shm_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  std::array<std::unique_ptr<Buffer>, kMost> buffers_;
};

using BufferRing = BasicBufferRing<ShmBuffer>;

}  // namespace corvanta::wayland
