#pragma once
// A picture box: a control with a persistent image, addressed in twips. The drawing itself is
// portable; a backend subclasses it only to follow size changes with its native control and to
// show the image.

#include <optional>

#include "layout/basic_types.h"
#include "layout/picture.h"
#include "layout/surface.h"

namespace corvanta {

class PictureBox {
 public:
  PictureBox(Twips twips_per_pixel_x, Twips twips_per_pixel_y, Twips width, Twips height);
  virtual ~PictureBox() = default;
  PictureBox(const PictureBox&) = delete;
  PictureBox& operator=(const PictureBox&) = delete;

  Twips Width() const { return width_; }
  Twips Height() const { return height_; }
  void SetWidth(Twips width);
  void SetHeight(Twips height);
  // The screen's twips per pixel changed (the window moved to a screen of another density);
  // the size in twips stays, the pixels follow.
  void SetTwipsPerPixel(Twips tpp_x, Twips tpp_y);

  // Clears to the background colour (black).
  void Cls();

  // Paints the source rectangle (sx, sy, sw, sh) of pic with its top-left at (x, y); all in
  // twips. Without a destination size the copy is 1:1; with one it is stretched to fit.
  struct Source {
    Twips x, y, width, height;
  };
  void PaintPicture(const Picture& pic, Twips x, Twips y, std::optional<Twips> width = {},
                    std::optional<Twips> height = {}, std::optional<Source> source = {});

  Surface& Image() { return image_; }
  const Surface& Image() const { return image_; }

  int PixelsX(Twips t) const;
  int PixelsY(Twips t) const;

 protected:
  // Called after the image took a new pixel size.
  virtual void Resized(int /*width_px*/, int /*height_px*/) {}

 private:
  void Reallocate();

  Twips tpp_x_;
  Twips tpp_y_;
  Twips width_;
  Twips height_;
  Surface image_;
};

}  // namespace corvanta
