#include "platform/qt/qt_x_blit.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cstring>

#include "platform/qt/qt_x11.h"

namespace corvanta::qt {
namespace {

// Large enough that a full-screen repaint takes few requests, small enough to stay well
// inside any server's request limit once the header is added.
constexpr std::size_t kScratchBytes = 256 * 1024;

bool ServerTakesOurPixels(xcb_connection_t* c) {
  const xcb_setup_t* setup = xcb_get_setup(c);
  if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST) return false;
  const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
  if (!screen || screen->root_depth != 24) return false;
  bool bpp32 = false;
  for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f)) {
    if (f.data->depth == 24) bpp32 = f.data->bits_per_pixel == 32;
  }
  if (!bpp32) return false;
  for (auto d = xcb_screen_allowed_depths_iterator(screen); d.rem; xcb_depth_next(&d)) {
    if (d.data->depth != 24) continue;
    for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v)) {
      if (v.data->visual_id != screen->root_visual) continue;
      return v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR && v.data->red_mask == 0xFF0000 &&
             v.data->green_mask == 0x00FF00 && v.data->blue_mask == 0x0000FF;
    }
  }
  return false;
}

}  // namespace

std::unique_ptr<XBlit> XBlit::Create() {
  xcb_connection_t* c = x11::Connection();
  if (!c || !ServerTakesOurPixels(c)) return nullptr;
  // The limit is in 4-byte units and counts the request's own 24-byte header.
  const std::size_t limit = static_cast<std::size_t>(xcb_get_maximum_request_length(c)) * 4;
  if (limit <= 4096) return nullptr;
  return std::make_unique<XBlit>(c, std::min(kScratchBytes, limit - 64));
}

XBlit::XBlit(xcb_connection_t* c, std::size_t max_bytes) : c_(c), scratch_(max_bytes / 4) {}

void XBlit::MakeGc(std::uint32_t window) {
  // A GC serves every window of the screen and depth it was made for: one is enough.
  if (gc_ != 0) return;
  gc_ = xcb_generate_id(c_);
  const std::uint32_t values[] = {0x000000, 0};  // foreground black, no exposure events
  xcb_create_gc(c_, gc_, window, XCB_GC_FOREGROUND | XCB_GC_GRAPHICS_EXPOSURES, values);
}

void XBlit::Put(std::uint32_t window, const Surface& image, const PixelRect& want) {
  const PixelRect r = want.Intersect({0, 0, image.Width(), image.Height()});
  if (r.Empty() || window == 0) return;
  MakeGc(window);
  const std::size_t row_px = static_cast<std::size_t>(r.Width());
  const int rows_per_request = static_cast<int>(std::max<std::size_t>(1, scratch_.size() / row_px));
  const std::uint32_t* pixels = image.Pixels().data();
  for (int top = r.top; top < r.bottom; top += rows_per_request) {
    const int rows = std::min(rows_per_request, r.bottom - top);
    const std::uint32_t* data;
    if (row_px * rows <= scratch_.size()) {
      for (int y = 0; y < rows; ++y) {
        std::memcpy(scratch_.data() + y * row_px,
                    pixels + static_cast<std::size_t>(top + y) * image.Width() + r.left,
                    row_px * 4);
      }
      data = scratch_.data();
    } else {
      // A single row longer than the scratch space (wider than 65536 pixels): never on a
      // real screen, but sent row by row straight from the image rather than dropped.
      data = pixels + static_cast<std::size_t>(top) * image.Width() + r.left;
    }
    xcb_put_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, gc_, static_cast<std::uint16_t>(r.Width()),
                  static_cast<std::uint16_t>(rows), static_cast<std::int16_t>(r.left),
                  static_cast<std::int16_t>(top), 0, 24,
                  static_cast<std::uint32_t>(row_px * rows * 4),
                  reinterpret_cast<const std::uint8_t*>(data));
  }
}

void XBlit::FillBlack(std::uint32_t window, const PixelRect& r) {
  if (r.Empty() || window == 0) return;
  MakeGc(window);
  const xcb_rectangle_t rect{static_cast<std::int16_t>(r.left), static_cast<std::int16_t>(r.top),
                             static_cast<std::uint16_t>(r.Width()),
                             static_cast<std::uint16_t>(r.Height())};
  xcb_poly_fill_rectangle(c_, window, gc_, 1, &rect);
}

void XBlit::Flush() { xcb_flush(c_); }

}  // namespace corvanta::qt
