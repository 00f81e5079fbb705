#include "platform/qt/qt_design.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QScreen>

#include "layout/twips.h"

namespace corvanta::qt {

Scale Scale::OfScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  return {TwipsPerPixelAt(screen->logicalDotsPerInchX()),
          TwipsPerPixelAt(screen->logicalDotsPerInchY())};
}

int Scale::PxX(Twips t) const { return TwipsToPixels(t, x); }
int Scale::PxY(Twips t) const { return TwipsToPixels(t, y); }

QRect Scale::Rect(const ControlDesign& c) const {
  return {PxX(c.left), PxY(c.top), PxX(c.width), PxY(c.height)};
}

QColor ToQColor(Colour colour, const QColor& system) {
  if (colour & kSystemColourFlag) return system;
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

QFont ToQFont(const FontDesign& font) {
  QFont f(QString::fromUtf8(font.face.data(), static_cast<qsizetype>(font.face.size())));
  // The designed face is a Windows one; where it is missing, any sans-serif face stands in.
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(font.points);
  f.setWeight(static_cast<QFont::Weight>(font.weight));
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  f.setStrikeOut(font.strikeout);
  return f;
}

QImage ToQImage(const Picture& picture) {
  return QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                picture.height, picture.width * 4, QImage::Format_RGB32)
      .copy();
}

QLabel* MakeLabel(const ControlDesign& design, const Scale& scale, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromUtf8(design.name.data(), design.name.size()));
  label->setGeometry(scale.Rect(design));
  label->setText(QString::fromUtf8(design.caption.data(), design.caption.size()));
  label->setWordWrap(design.word_wrap);
  const Qt::Alignment h = design.align == Align::kRight    ? Qt::AlignRight
                          : design.align == Align::kCentre ? Qt::AlignHCenter
                                                           : Qt::AlignLeft;
  label->setAlignment(h | Qt::AlignTop);
  QPalette palette = label->palette();
  if (design.back_colour) {
    palette.setColor(QPalette::Window,
                     ToQColor(*design.back_colour, palette.color(QPalette::Window)));
    label->setAutoFillBackground(true);
  }
  if (design.fore_colour) {
    palette.setColor(QPalette::WindowText,
                     ToQColor(*design.fore_colour, palette.color(QPalette::WindowText)));
  }
  label->setPalette(palette);
  if (design.font) label->setFont(ToQFont(*design.font));
  label->setVisible(design.visible);
  return label;
}

}  // namespace corvanta::qt
