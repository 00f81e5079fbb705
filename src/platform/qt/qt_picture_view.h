#pragma once
// A picture box on Qt: the portable persistent image, shown by a widget that paints from it.
// After each event Present() hands Qt only the rectangles that changed, so only those reach
// the X server; a repaint the window system asks for is served from the image.

#include <QWidget>

#include "layout/picture_box.h"

namespace corvanta::qt {

class PictureView : public QWidget {
 public:
  PictureView(const Surface& image, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Surface& image_;
};

class QtPictureBox : public PictureBox {
 public:
  QtPictureBox(Twips tpp_x, Twips tpp_y, Twips width, Twips height, QWidget* parent);

  QWidget* View() { return view_; }
  // Schedules a repaint of what changed since the last call.
  void Present();

 protected:
  void Resized(int width_px, int height_px) override;

 private:
  PictureView* view_ = nullptr;
};

}  // namespace corvanta::qt
