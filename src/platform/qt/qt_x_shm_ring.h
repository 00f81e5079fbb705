#pragma once
// Memory shared with the X server (MIT-SHM, the file-descriptor kind), used as a ring for
// image rows on their way to a window: a put then names an offset in the segment instead of
// carrying its pixels through the socket, so a tick's rectangles leave in one small write and
// the server copies them straight from here.
//
// The ring has two halves. Leaving a half sends a cheap request with a reply as a fence; the
// server answers it only after every put before it has read its pixels, so coming back to that
// half later waits for the answer, which by then has long arrived. Pixels are never rewritten
// while the server may still read them.

#include <cstddef>
#include <cstdint>
#include <memory>

struct xcb_connection_t;

namespace corvanta::qt {

class ShmRing {
 public:
  // Null when the server offers no shared memory by file descriptor (an old server, one that
  // runs on another machine) or refuses the segment.
  static std::unique_ptr<ShmRing> Create(xcb_connection_t* c);
  ~ShmRing();
  ShmRing(const ShmRing&) = delete;
  ShmRing& operator=(const ShmRing&) = delete;

  // The largest block one Reserve() hands out.
  std::size_t MaxBytes() const { return half_; }
  // Writable space for bytes (at most MaxBytes()), as an offset into the segment.
  std::uint32_t Reserve(std::size_t bytes);
  std::uint8_t* At(std::uint32_t offset) { return base_ + offset; }
  std::uint32_t Segment() const { return segment_; }

  ShmRing(xcb_connection_t* c, std::uint8_t* base, std::size_t half, std::uint32_t segment);

 private:
  xcb_connection_t* c_;
  std::uint8_t* base_;
  std::size_t half_;
  std::uint32_t segment_;
  int current_ = 0;
  std::size_t used_ = 0;
  // The fence sent when each half was last left, while its answer is still to be read.
  unsigned int fence_[2] = {0, 0};
  bool fenced_[2] = {false, false};
};

}  // namespace corvanta::qt
