#pragma once
// From the window designs to Qt: twips to pixels, colours, fonts, pictures, and the labels both
// windows are built with.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>

#include "layout/designs.h"
#include "layout/picture.h"

class QLabel;
class QWidget;

namespace corvanta::qt {

// Twips per pixel of the primary screen: 1440 over its logical dots per inch.
struct Scale {
  Twips x = 15;
  Twips y = 15;
  static Scale OfScreen();
  int PxX(Twips t) const;  // as the drawing surface rounds
  int PxY(Twips t) const;
  QRect Rect(const ControlDesign& c) const;
};

// 0x00BBGGRR, or a system colour of the palette.
QColor ToQColor(Colour colour, const QColor& system);
QFont ToQFont(const FontDesign& font);
// A deep copy: the picture may go before the image does.
QImage ToQImage(const Picture& picture);

// A label as designed: place, caption, alignment, wrapping, colours, font and visibility.
QLabel* MakeLabel(const ControlDesign& design, const Scale& scale, QWidget* parent);

}  // namespace corvanta::qt
