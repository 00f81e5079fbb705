#pragma once
// Puts rectangles of the persistent image straight onto an X window, on Qt's xcb connection.
// Going around Qt's backing store saves a full-screen copy of the image (33 MB at 3840 x 2160)
// and a second pass over every changed pixel. Only for a server whose default 24-bit format
// stores a pixel as 32 bits little-endian xRGB, the image's own layout; Create() says whether
// this server is one. Depends on qt_x11.h for the connection.

#include <cstdint>
#include <memory>
#include <vector>

#include "layout/pixel_rect.h"
#include "layout/surface.h"

struct xcb_connection_t;

namespace corvanta::qt {

class XBlit {
 public:
  // Null off X, or when the server's pixels are laid out differently.
  static std::unique_ptr<XBlit> Create();

  // Copies r of the image to the window at the same place.
  void Put(std::uint32_t window, const Surface& image, const PixelRect& r);
  void FillBlack(std::uint32_t window, const PixelRect& r);
  void Flush();

  explicit XBlit(xcb_connection_t* c, std::size_t max_bytes);

 private:
  void MakeGc(std::uint32_t window);

  xcb_connection_t* c_;
  // One GC for the life of the program; the server frees it with the connection.
  std::uint32_t gc_ = 0;
  // Rows of a rectangle packed for one request; sized once, so drawing never allocates.
  std::vector<std::uint32_t> scratch_;
};

}  // namespace corvanta::qt
