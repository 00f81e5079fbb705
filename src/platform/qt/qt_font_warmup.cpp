#include "platform/qt/qt_font_warmup.h"

#include <QImage>
#include <QPainter>

namespace corvanta::qt {

FontWarmUp::FontWarmUp(const QFont& font, const QString& text)
    : thread_([font, text] {
        // Drawing on an image is what Qt allows away from the main thread.
        QImage image(8, 8, QImage::Format_RGB32);
        QPainter painter(&image);
        painter.setFont(font);
        painter.drawText(0, 8, text);
      }) {}

FontWarmUp::~FontWarmUp() {
  if (thread_.joinable()) thread_.join();
}

}  // namespace corvanta::qt
