#include "platform/qt/qt_picture_view.h"

#include <QPaintEvent>
#include <QPainter>

namespace corvanta::qt {

PictureView::PictureView(const Surface& image, QWidget* parent) : QWidget(parent), image_(image) {
  // Every pixel comes from the image: nothing to clear first, so nothing flickers.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
}

void PictureView::paintEvent(QPaintEvent* event) {
  if (image_.Width() == 0 || image_.Height() == 0) return;
  // A view of the pixels, not a copy: the surface's layout is Qt's RGB32.
  const QImage pixels(reinterpret_cast<const uchar*>(image_.Pixels().data()), image_.Width(),
                      image_.Height(), image_.StrideBytes(), QImage::Format_RGB32);
  QPainter painter(this);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  for (const QRect& r : event->region()) painter.drawImage(r.topLeft(), pixels, r);
}

QtPictureBox::QtPictureBox(Twips tpp_x, Twips tpp_y, Twips width, Twips height, QWidget* parent)
    : PictureBox(tpp_x, tpp_y, width, height), view_(new PictureView(Image(), parent)) {
  view_->resize(Image().Width(), Image().Height());
}

void QtPictureBox::Resized(int width_px, int height_px) {
  // The base constructor's first sizing does not reach here; our constructor sizes the view.
  view_->resize(width_px, height_px);
}

void QtPictureBox::Present() {
  for (const PixelRect& r : Image().Changed().Items()) {
    view_->update(r.left, r.top, r.Width(), r.Height());
  }
  Image().ClearChanged();
}

}  // namespace corvanta::qt
