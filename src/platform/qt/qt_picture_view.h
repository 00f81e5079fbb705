#pragma once
// A picture box on Qt: the portable persistent image, shown by a widget that paints from it.
// After each event Present() hands Qt only the rectangles that changed, so only those reach
// the X server; a repaint the window system asks for is served from the image.
//
// On an X server that takes the image's pixel layout the view is a native window painted
// straight from the image (XBlit), with no full-size copy in Qt's backing store; children
// placed on it must then be native windows too (NeedsNativeChildren), so that the server
// keeps the view's drawing off them. Elsewhere (offscreen, other formats) Qt paints it.

#include <QWidget>
#include <memory>

#include "layout/picture_box.h"
#include "platform/qt/qt_x_blit.h"

namespace corvanta::qt {

class PictureView : public QWidget {
 public:
  PictureView(const Surface& image, QWidget* parent);
  ~PictureView() override;

  bool NeedsNativeChildren() const { return blit_ != nullptr; }
  QPaintEngine* paintEngine() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void PaintDirect(const QRegion& region);

  const Surface& image_;
  std::unique_ptr<XBlit> blit_;
};

class QtPictureBox : public PictureBox {
 public:
  QtPictureBox(Twips tpp_x, Twips tpp_y, Twips width, Twips height, QWidget* parent);

  QWidget* View() { return view_; }
  bool NeedsNativeChildren() const { return view_->NeedsNativeChildren(); }
  // Schedules a repaint of what changed since the last call.
  void Present();

 protected:
  void Resized(int width_px, int height_px) override;

 private:
  PictureView* view_ = nullptr;
};

}  // namespace corvanta::qt
