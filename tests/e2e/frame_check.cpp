// Reads the end-to-end screenshots as pixels. Balls are found by exact match against the
// program's own sprite sheet; the caption by matching the nine captions rendered with the
// program's own label code on the same display; the preview against the sheet stretched.
// On a mismatch the expected picture is written beside the screenshot.
//
//   frame_check start SHOT            nine balls near the start line, one per lane
//   frame_check advanced SHOT1 SHOT2  every ball further on in the second
//   frame_check hold SHOT             the caption names the highest-numbered finisher
//   frame_check preview SHOT X Y W H  the W x H area at (X, Y) shows the stretched sheet
//   frame_check exact SHOT            the screen is a full repaint of the nine balls where they
//                                     are: nothing left behind, nothing torn

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "layout/designs.h"
#include "layout/picture.h"
#include "layout/picture_box.h"
#include "layout/surface.h"
#include "platform/qt/qt_design.h"

namespace {

using corvanta::Picture;

constexpr float kTpp = 15;  // the tests' screen has 96 dots per inch

struct Ball {
  int x = -1, y = -1, frame = -1;
};

int Fail(const std::string& what) {
  std::fprintf(stderr, "FAIL: %s\n", what.c_str());
  return 1;
}

QImage Load(const char* path) { return QImage(path).convertToFormat(QImage::Format_RGB32); }

// The row the program draws ball i's cell at: (i + 1) lanes of screen height / 11.
int LaneTop(int i, int height) {
  const float lane = static_cast<float>(static_cast<double>(height * kTpp) / 11.0);
  const float top = (static_cast<float>(i) + 1) * lane;
  return static_cast<int>(std::nearbyint(top / static_cast<double>(kTpp)));
}

bool CellAt(const QImage& shot, const Picture& sheet, int row, int frame, int x, int y) {
  for (int dy = 0; dy < 32; ++dy) {
    const auto* line = reinterpret_cast<const std::uint32_t*>(shot.constScanLine(y + dy));
    for (int dx = 0; dx < 32 && x + dx < shot.width(); ++dx) {
      if ((line[x + dx] | 0xFF000000u) != sheet.At(frame * 32 + dx, row * 32 + dy)) return false;
    }
  }
  return true;
}

// Ball i + 1 in its lane: the leftmost place where some rolling frame of its row matches.
std::optional<Ball> FindBall(const QImage& shot, const Picture& sheet, int i) {
  const int y = LaneTop(i, shot.height());
  if (y < 0 || y + 32 > shot.height()) return std::nullopt;
  for (int x = 0; x < shot.width(); ++x) {
    for (int f = 0; f < 10; ++f) {
      if (CellAt(shot, sheet, i, f, x, y)) return Ball{x, y, f};
    }
  }
  return std::nullopt;
}

std::optional<std::array<Ball, 9>> FindBalls(const QImage& shot, const Picture& sheet,
                                             const char* name) {
  std::array<Ball, 9> balls;
  for (int i = 0; i < 9; ++i) {
    const auto b = FindBall(shot, sheet, i);
    if (!b) {
      std::fprintf(stderr, "%s: ball %d not found in its lane at row %d\n", name, i + 1,
                   LaneTop(i, shot.height()));
      return std::nullopt;
    }
    balls[i] = *b;
    std::printf("%s: ball %d at (%d, %d), rolling frame %d\n", name, i + 1, b->x, b->y, b->frame);
  }
  return balls;
}

long Difference(const QImage& a, const QImage& b) {
  long sum = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
             std::abs(qBlue(p) - qBlue(q));
    }
  }
  return sum;
}

int Start(const char* path, const Picture& sheet) {
  const QImage shot = Load(path);
  const auto balls = FindBalls(shot, sheet, "start");
  if (!balls) return Fail("not all nine balls are in their lanes");
  for (int i = 0; i < 9; ++i) {
    if ((*balls)[i].x > shot.width() / 4) return Fail("a ball is far from the start line");
  }
  return 0;
}

int Advanced(const char* first, const char* second, const Picture& sheet) {
  const auto a = FindBalls(Load(first), sheet, "earlier");
  const auto b = FindBalls(Load(second), sheet, "later");
  if (!a || !b) return Fail("not all nine balls are in their lanes");
  for (int i = 0; i < 9; ++i) {
    if ((*b)[i].x <= (*a)[i].x) return Fail("ball " + std::to_string(i + 1) + " did not advance");
  }
  return 0;
}

int Hold(const char* path, const Picture& sheet) {
  const QImage shot = Load(path);
  const auto balls = FindBalls(shot, sheet, "hold");
  if (!balls) return Fail("not all nine balls are in their lanes");
  // The finish line is 0.95 of the width; a ball there is drawn at its rounded pixel.
  const double finish = std::nearbyint(static_cast<float>(shot.width() * kTpp * 0.95) / kTpp);
  int winner = 0;
  for (int i = 0; i < 9; ++i) {
    if ((*balls)[i].x >= finish) winner = i + 1;
  }
  if (winner == 0) return Fail("no ball has reached the finish line");

  // The caption's top-left corner is the middle of the screen.
  const corvanta::qt::Scale scale = corvanta::qt::Scale::OfScreen();
  QLabel* label = corvanta::qt::MakeLabel(*corvanta::kMainDesign.Find("Label1"), scale, nullptr);
  const QRect at(shot.width() / 2, shot.height() / 2, label->width(), label->height());
  const QImage actual = shot.copy(at);
  int best = 0;
  long best_diff = -1, second_diff = -1;
  QImage best_image;
  for (int n = 1; n <= 9; ++n) {
    label->setText(QString::number(n) + " Ball Wins !");
    const QImage rendered = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const long diff = Difference(actual, rendered);
    if (best_diff < 0 || diff < best_diff) {
      second_diff = best_diff;
      best_diff = diff, best = n, best_image = rendered;
    } else if (second_diff < 0 || diff < second_diff) {
      second_diff = diff;
    }
  }
  delete label;
  std::printf("caption reads \"%d Ball Wins !\" (difference %ld, next best %ld); winner %d\n", best,
              best_diff, second_diff, winner);
  const long area = static_cast<long>(at.width()) * at.height();
  if (best_diff > area * 3 || second_diff < best_diff * 2 + area) {
    best_image.save(QString(path) + "-expected-caption.png");
    return Fail("no caption at the middle of the screen");
  }
  if (best != winner) return Fail("the caption does not name the highest-numbered finisher");
  return 0;
}

int Exact(const char* path, const Picture& sheet) {
  const QImage shot = Load(path);
  const auto balls = FindBalls(shot, sheet, "exact");
  if (!balls) return Fail("not all nine balls are in their lanes");
  corvanta::Surface repaint;
  repaint.Resize(shot.width(), shot.height());
  for (int i = 0; i < 9; ++i) {
    const Ball& b = (*balls)[i];
    repaint.Paint(sheet, {b.frame * 32, i * 32, b.frame * 32 + 32, i * 32 + 32}, b.x, b.y);
  }
  const QImage expected(reinterpret_cast<const uchar*>(repaint.Pixels().data()), shot.width(),
                        shot.height(), repaint.StrideBytes(), QImage::Format_RGB32);
  if (Difference(shot, expected) != 0) {
    expected.save(QString(path) + "-expected-repaint.png");
    return Fail("the screen is not a full repaint of the balls where they are");
  }
  std::printf("exact: the whole screen equals a full repaint\n");
  return 0;
}

int Preview(const char* path, int x, int y, int w, int h, const Picture& sheet) {
  const QImage actual = Load(path).copy(x, y, w, h);
  corvanta::PictureBox box(kTpp, kTpp, static_cast<float>(w) * kTpp, static_cast<float>(h) * kTpp);
  box.PaintPicture(sheet, 0, 0, static_cast<float>(w) * kTpp, static_cast<float>(h) * kTpp);
  const QImage expected(reinterpret_cast<const uchar*>(box.Image().Pixels().data()), w, h,
                        box.Image().StrideBytes(), QImage::Format_RGB32);
  for (int row = 0; row < h; ++row) {
    for (int col = w - 2; col < w; ++col) {
      if ((actual.pixel(col, row) & 0xFFFFFF) != 0xFFFFFF) {
        return Fail("the white band of the sheet is missing at the right edge");
      }
    }
  }
  if (Difference(actual, expected) != 0) {
    expected.save(QString(path) + "-expected-preview.png");
    actual.save(QString(path) + "-actual-preview.png");
    return Fail("the preview area is not the stretched sprite sheet");
  }
  std::printf("preview: %d x %d at (%d, %d) is the stretched sheet\n", w, h, x, y);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // The same scale as the program's: one pixel a device pixel.
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  int qt_argc = 1;
  QApplication app(qt_argc, argv);
  const Picture sheet = corvanta::DecodeBmp(corvanta::SpriteSheetFile());
  const std::string cmd = argc > 1 ? argv[1] : "";
  if (cmd == "start" && argc == 3) return Start(argv[2], sheet);
  if (cmd == "advanced" && argc == 4) return Advanced(argv[2], argv[3], sheet);
  if (cmd == "hold" && argc == 3) return Hold(argv[2], sheet);
  if (cmd == "exact" && argc == 3) return Exact(argv[2], sheet);
  if (cmd == "preview" && argc == 7) {
    return Preview(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]),
                   std::atoi(argv[6]), sheet);
  }
  std::fprintf(stderr, "usage: see the top of frame_check.cpp\n");
  return 2;
}
