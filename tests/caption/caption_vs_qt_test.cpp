// The Wayland caption against the X program's: the same captions drawn by our rasteriser and
// by Qt, as the X program's label draws them, compared as pixels.
#include <gtest/gtest.h>

#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QRawFont>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "layout/designs.h"
#include "layout/twips.h"
#include "platform/qt/qt_design.h"
#include "platform/linux/caption_raster.h"

namespace corvanta::linux_services {
namespace {

const ControlDesign& Label1() { return kMainDesign.Control("Label1"); }

QSize Box(int scale) {
  return {TwipsToPixels(Label1().width, 15.0 / scale),
          TwipsToPixels(Label1().height, 15.0 / scale)};
}

// An image whose logical resolution is pinned: a point is 96 * scale / 72 pixels on it, as on
// an X screen of that resolution, whatever the platform reports for its screen.
QImage PinnedImage(int scale) {
  QImage image(Box(scale), QImage::Format_RGB32);
  const int dots_per_metre = qRound(96.0 * scale / 0.0254);
  image.setDotsPerMeterX(dots_per_metre);
  image.setDotsPerMeterY(dots_per_metre);
  image.fill(qt::ToQColor(*Label1().back_colour, Qt::black));
  return image;
}

// What the label's style does with its text: one line at the content rectangle's top-left.
QImage QtCaption(const QString& text, int scale) {
  QImage image = PinnedImage(scale);
  QPainter painter(&image);
  painter.setFont(qt::ToQFont(*Label1().font));
  EXPECT_EQ(painter.fontInfo().pixelSize(), 16 * scale) << "the image's resolution is not pinned";
  painter.setPen(qt::ToQColor(*Label1().fore_colour, Qt::black));
  painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignTop, text);
  return image;
}

QImage OurCaption(const QString& text, int scale, const FontDesign& font) {
  CaptionRaster raster(font, scale * 96.0 / 72);
  const QSize box = Box(scale);
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(box.width()) * box.height());
  raster.Draw(text.toStdString(), *Label1().fore_colour, *Label1().back_colour, pixels.data(),
              box.width() * 4, box.width(), box.height());
  for (auto& p : pixels) p |= 0xFF000000u;
  return QImage(reinterpret_cast<const uchar*>(pixels.data()), box.width(), box.height(),
                QImage::Format_RGB32)
      .copy();
}

// Measured here (DejaVu Sans Bold, FreeType 2.12.1, Qt 6.4.2) the six captions below differ by
// nothing at all: both draw the same glyph images at the same places with the same blending.
// For scale, over Qt's caption, whose channels sum to about 350 000 at scale 1 and 1 380 000 at
// scale 2, the whole caption moved by a quarter pixel differs by 49 000 (14 %) and 99 000 (7 %),
// by a whole pixel 195 000 and 390 000; a caption one point larger differs by 409 000, one of
// normal weight by 300 000. 2 % of the caption leaves room for another version's rounding of
// edge pixels (one level on every partly covered pixel is under 1 %) and for nothing more.
constexpr long kTolerancePercent = 2;

struct Difference {
  QRect ours, theirs;  // bounding boxes of the pixels that are not black
  long summed = 0;     // absolute differences over every channel of every pixel
  long total = 0;      // every channel of every pixel of Qt's caption
  bool Within() const { return summed * 100 <= total * kTolerancePercent; }
  bool BoxesAgree() const {
    return std::abs(ours.left() - theirs.left()) <= 1 && std::abs(ours.top() - theirs.top()) <= 1 &&
           std::abs(ours.right() - theirs.right()) <= 1 &&
           std::abs(ours.bottom() - theirs.bottom()) <= 1;
  }
};

QRect Lit(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) & 0xFFFFFF) box |= QRect(x, y, 1, 1);
  return box;
}

Difference Compare(const QImage& ours, const QImage& theirs) {
  Difference d{Lit(ours), Lit(theirs)};
  for (int y = 0; y < ours.height(); ++y) {
    for (int x = 0; x < ours.width(); ++x) {
      const QRgb a = ours.pixel(x, y), b = theirs.pixel(x, y);
      d.summed += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                  std::abs(qBlue(a) - qBlue(b));
      d.total += qRed(b) + qGreen(b) + qBlue(b);
    }
  }
  return d;
}

void SaveBoth(const QImage& ours, const QImage& theirs, const QString& name) {
  const QString dir = QStringLiteral(CAPTION_OUT_DIR);
  QDir().mkpath(dir);
  ours.save(dir + "/" + name + "-ours.png");
  theirs.save(dir + "/" + name + "-qt.png");
}

struct Case {
  const char* text;
  int scale;
};
void PrintTo(const Case& c, std::ostream* os) { *os << '"' << c.text << "\" at scale " << c.scale; }

class CaptionVsQt : public ::testing::TestWithParam<Case> {};

TEST_P(CaptionVsQt, MatchesTheLabelOnX) {
  const auto [text, scale] = GetParam();
  const QImage ours = OurCaption(text, scale, *Label1().font);
  const QImage theirs = QtCaption(text, scale);
  const Difference d = Compare(ours, theirs);
  const QString name = (text[0] == ' ' ? "space-" : "") + QString(text).trimmed().left(1) + "-x" +
                       QString::number(scale);
  std::printf(
      "\"%s\" at scale %d: summed difference %ld of %ld; lit (%d,%d)-(%d,%d), Qt's "
      "(%d,%d)-(%d,%d)\n",
      text, scale, d.summed, d.total, d.ours.left(), d.ours.top(), d.ours.right(), d.ours.bottom(),
      d.theirs.left(), d.theirs.top(), d.theirs.right(), d.theirs.bottom());
  if (std::getenv("CAPTION_SAVE")) SaveBoth(ours, theirs, name);
  ASSERT_FALSE(d.theirs.isEmpty()) << "Qt drew no caption";
  if (!d.BoxesAgree() || !d.Within()) SaveBoth(ours, theirs, name);
  EXPECT_TRUE(d.BoxesAgree())
      << "the caption's extent differs from Qt's; images in " CAPTION_OUT_DIR;
  EXPECT_TRUE(d.Within()) << "summed difference " << d.summed << " of " << d.total
                          << "; images in " CAPTION_OUT_DIR;
}

INSTANTIATE_TEST_SUITE_P(Captions, CaptionVsQt,
                         ::testing::Values(Case{"4 Ball Wins !", 1}, Case{"9 Ball Wins !", 1},
                                           Case{" 4 Ball Wins !", 1}, Case{"4 Ball Wins !", 2},
                                           Case{"9 Ball Wins !", 2}, Case{" 4 Ball Wins !", 2}),
                         [](const ::testing::TestParamInfo<Case>& info) {
                           return std::string(info.param.text[0] == ' ' ? "Space" : "") +
                                  info.param.text[info.param.text[0] == ' '] + "AtScale" +
                                  std::to_string(info.param.scale);
                         });

// The comparison above can fail: one point more, or the normal weight, is caught.
TEST(CaptionVsQtTolerance, TellsAWrongFontApart) {
  FontDesign larger = *Label1().font;
  larger.points += 1;
  FontDesign normal = *Label1().font;
  normal.weight = 400;
  for (const FontDesign& wrong : {larger, normal}) {
    const Difference d =
        Compare(OurCaption("9 Ball Wins !", 1, wrong), QtCaption("9 Ball Wins !", 1));
    std::printf("%g pt, weight %d: summed difference %ld of %ld\n", wrong.points, wrong.weight,
                d.summed, d.total);
    EXPECT_FALSE(d.BoxesAgree() && d.Within());
  }
}

// The reference is the X program's own label, in the font the X program gets, at 96 dpi.
TEST(CaptionVsQtReference, IsTheProgramsLabelInTheSameFile) {
  std::unique_ptr<QLabel> label(qt::MakeLabel(Label1(), qt::Scale{}, nullptr));
  label->setText("9 Ball Wins !");
  ASSERT_EQ(label->size(), Box(1));
  EXPECT_EQ(QFontInfo(label->font()).pixelSize(), 16) << "the screen is not at 96 dpi";
  EXPECT_EQ(label->grab().toImage().convertToFormat(QImage::Format_RGB32),
            QtCaption("9 Ball Wins !", 1));

  const CaptionRaster raster(*Label1().font, 96.0 / 72);
  ASSERT_TRUE(raster.HasFace());
  const QRawFont qts = QRawFont::fromFont(label->font());
  const QRawFont ours(QString::fromStdString(raster.FontFile()), 16);
  ASSERT_TRUE(ours.isValid());
  EXPECT_EQ(ours.familyName(), qts.familyName());
  EXPECT_EQ(ours.styleName(), qts.styleName());
  std::printf("Qt: %s %s; ours: %s\n", qPrintable(qts.familyName()), qPrintable(qts.styleName()),
              raster.FontFile().c_str());
}

}  // namespace
}  // namespace corvanta::linux_services
