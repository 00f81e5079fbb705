#include "layout/picture_box.h"

#include <algorithm>

#include "layout/twips.h"

namespace corvanta {

PictureBox::PictureBox(Twips tpp_x, Twips tpp_y, Twips width, Twips height)
    : tpp_x_(tpp_x), tpp_y_(tpp_y), width_(width), height_(height) {
  Reallocate();
}

int PictureBox::PixelsX(Twips t) const { return TwipsToPixels(t, tpp_x_); }
int PictureBox::PixelsY(Twips t) const { return TwipsToPixels(t, tpp_y_); }

void PictureBox::SetWidth(Twips width) {
  width_ = width;
  Reallocate();
}

void PictureBox::SetHeight(Twips height) {
  height_ = height;
  Reallocate();
}

void PictureBox::SetTwipsPerPixel(Twips tpp_x, Twips tpp_y) {
  tpp_x_ = tpp_x;
  tpp_y_ = tpp_y;
  Reallocate();
}

void PictureBox::Reallocate() {
  // A screen is never wider than this; a bigger request is a broken caller, not a reason to
  // allocate gigabytes.
  constexpr int kMaxSide = 32768;
  const int w = std::clamp(PixelsX(width_), 0, kMaxSide);
  const int h = std::clamp(PixelsY(height_), 0, kMaxSide);
  if (w == image_.Width() && h == image_.Height()) return;
  image_.Resize(w, h);
  Resized(w, h);
}

void PictureBox::Cls() { image_.Clear(); }

void PictureBox::PaintPicture(const Picture& pic, Twips x, Twips y, std::optional<Twips> width,
                              std::optional<Twips> height, std::optional<Source> source) {
  PixelRect src{0, 0, pic.width, pic.height};
  if (source) {
    const int sx = PixelsX(source->x), sy = PixelsY(source->y);
    src = {sx, sy, sx + PixelsX(source->width), sy + PixelsY(source->height)};
  }
  const int dx = PixelsX(x), dy = PixelsY(y);
  const int dw = width ? PixelsX(*width) : src.Width();
  const int dh = height ? PixelsY(*height) : src.Height();
  if (dw == src.Width() && dh == src.Height()) {
    image_.Paint(pic, src, dx, dy);
  } else {
    image_.PaintStretched(pic, src, {dx, dy, dx + dw, dy + dh});
  }
}

}  // namespace corvanta
