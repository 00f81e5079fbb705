#pragma once
// The winner's caption where no toolkit draws labels (the Wayland backend): one line of text
// rasterised with FreeType in the face fontconfig picks, placed as a Qt label aligned left and
// top places it on X (no margin, no indent, baseline at the rounded ascent), so that both programs show
// the same caption.
//
// Implements: a designed font resolved as Qt resolves it (thickened as Qt does when bold is
//   asked of a face without it), grey-scale glyphs blended over the back colour, clipped to
//   the label's box.
// Lacks: word wrap, right and centre alignment, underline and strike-out, slanted stand-ins for
//   a missing italic face, fallback faces for characters the face lacks (they draw as its
//   missing-glyph box), system colours, and Qt's shaper: kerning comes from the font's kern
//   table alone, so pairs such as "AV" may sit a fraction of a pixel from where Qt puts them
//   (the show's captions have no such pair).
// Depends: FreeType, fontconfig.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "layout/designs.h"
#include "layout/pixel_rect.h"

namespace corvanta::linux_services {

class CaptionRaster {
 public:
  // pixels_per_point is 96 / 72 on a plain output and s times that on one of scale s.
  CaptionRaster(const FontDesign& font, double pixels_per_point);
  ~CaptionRaster();
  CaptionRaster(const CaptionRaster&) = delete;
  CaptionRaster& operator=(const CaptionRaster&) = delete;

  // False when no font could be found or loaded: Draw then fills the box and draws no text.
  bool HasFace() const;
  // The font file in use; empty without a face.
  const std::string& FontFile() const;

  // Fills the box with back and draws text (UTF-8) over it in fore. Colours are 0x00BBGGRR and
  // plain (a system colour's flag is ignored); pixels are 0x00RRGGBB, rows stride_bytes apart
  // (a multiple of 4, at least 4 * width: any other stride, or no pixels, draws nothing).
  void Draw(std::string_view text, Colour fore, Colour back, std::uint32_t* pixels,
            int stride_bytes, int width, int height);
  // The same with the box at its place in a buffer of buffer_width x buffer_height pixels:
  // only the part of the box inside the buffer is drawn, the rest of the buffer is left alone.
  void Draw(std::string_view text, Colour fore, Colour back, std::uint32_t* buffer,
            int stride_bytes, int buffer_width, int buffer_height, PixelRect box);

 private:
  void Rasterise(std::string_view text, PixelRect part);

  struct Face;
  std::unique_ptr<Face> face_;
  std::string file_;
  // The last caption's coverage over the part of the box shown: the show redraws the same
  // caption in the same place many times.
  bool has_cache_ = false;
  std::string cached_text_;
  PixelRect cached_part_;
  std::vector<std::uint8_t> coverage_;
};

}  // namespace corvanta::linux_services
