#include "platform/qt/qt_picture_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <limits>

namespace corvanta::qt {
namespace {

// A repaint rectangle this small is copied whole; a larger one (an expose, the first frame)
// is filled black and only the painted parts of the image are copied over it. The naive
// benchmark build copies every rectangle whole, as a plain repaint would.
#ifdef CORVANTA_NAIVE_DRAW
constexpr long long kCopyWholeArea = std::numeric_limits<long long>::max();
#else
constexpr long long kCopyWholeArea = 256 * 256;
#endif

}  // namespace

PictureView::PictureView(const Surface& image, QWidget* parent)
    : QWidget(parent), image_(image), blit_(XBlit::Create()) {
  // Every pixel comes from the image: nothing to clear first, so nothing flickers.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  if (blit_) {
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_NativeWindow);
  }
}

PictureView::~PictureView() = default;

QPaintEngine* PictureView::paintEngine() const {
  // Painting on screen ourselves: Qt must not set up a painter of its own for this widget.
  return blit_ ? nullptr : QWidget::paintEngine();
}

void PictureView::paintEvent(QPaintEvent* event) {
  if (image_.Width() == 0 || image_.Height() == 0) return;
  if (blit_) {
    const auto window = static_cast<std::uint32_t>(winId());
    for (const QRect& q : event->region()) Put(window, {q.left(), q.top(), q.right() + 1, q.bottom() + 1});
    blit_->Flush();
    return;
  }
  // A view of the pixels, not a copy: the surface's layout is Qt's RGB32.
  const QImage pixels(reinterpret_cast<const uchar*>(image_.Pixels().data()), image_.Width(),
                      image_.Height(), image_.StrideBytes(), QImage::Format_RGB32);
  QPainter painter(this);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  for (const QRect& r : event->region()) painter.drawImage(r.topLeft(), pixels, r);
}

void PictureView::Put(std::uint32_t window, const PixelRect& r) {
  if (r.Area() <= kCopyWholeArea) {
    blit_->Put(window, image_, r);
    return;
  }
  // Everything outside the painted cover is black: let the server fill it.
  blit_->FillBlack(window, r);
  for (const PixelRect& p : image_.Painted().Items()) blit_->Put(window, image_, p.Intersect(r));
}

void PictureView::PutNow(std::span<const PixelRect> rects) {
  // A view not on screen gets its whole picture from the expose that maps it.
  if (rects.empty() || !isVisible()) return;
  const auto window = static_cast<std::uint32_t>(winId());
  for (const PixelRect& r : rects) Put(window, r);
  blit_->Flush();
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
  if (view_->NeedsNativeChildren()) {
    view_->PutNow(Image().Changed().Items());
  } else {
    for (const PixelRect& r : Image().Changed().Items()) {
      view_->update(r.left, r.top, r.Width(), r.Height());
    }
  }
  Image().ClearChanged();
}

}  // namespace corvanta::qt
