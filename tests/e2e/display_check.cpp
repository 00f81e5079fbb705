// Reads the display mode's screenshots as pixels, beside frame_check's full-screen checks.
//
//   display_check scaled SHOT      SHOT is a window shorter than eleven 32-pixel lanes: nine
//                                  balls, shrunk to their lanes with the program's own
//                                  stretching, one per lane, on black
//   display_check same A B X Y W H [X Y W H ...]
//                                  A and B differ nowhere outside the given rectangles

#include <QGuiApplication>
#include <QImage>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "layout/picture.h"
#include "layout/picture_box.h"

namespace {

using corvanta::Picture;

constexpr float kTpp = 15;

int Fail(const std::string& what) {
  std::fprintf(stderr, "FAIL: %s\n", what.c_str());
  return 1;
}

QImage Load(const char* path) { return QImage(path).convertToFormat(QImage::Format_RGB32); }

// Ball row's rolling frame f, stretched to size x size pixels as the program stretches it.
std::vector<std::uint32_t> Shrunk(const Picture& sheet, int row, int f, int size) {
  const float s = static_cast<float>(size) * kTpp;
  corvanta::PictureBox box(kTpp, kTpp, s, s);
  box.PaintPicture(sheet, 0, 0, s, s,
                   corvanta::PictureBox::Source{f * 32 * kTpp, row * 32 * kTpp, 32 * kTpp,
                                                32 * kTpp});
  std::vector<std::uint32_t> cell;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) cell.push_back(box.Image().At(x, y) | 0xFF000000u);
  }
  return cell;
}

bool Matches(const QImage& shot, const std::vector<std::uint32_t>& cell, int size, int x, int y) {
  for (int dy = 0; dy < size; ++dy) {
    const auto* line = reinterpret_cast<const std::uint32_t*>(shot.constScanLine(y + dy));
    for (int dx = 0; dx < size && x + dx < shot.width(); ++dx) {
      if ((line[x + dx] | 0xFF000000u) != cell[static_cast<std::size_t>(dy * size + dx)]) {
        return false;
      }
    }
  }
  return true;
}

int Scaled(const char* path, const Picture& sheet) {
  const QImage shot = Load(path);
  const int h = shot.height();
  const int size = std::min(32, h / 11);
  const float lane = static_cast<float>(static_cast<double>(h * kTpp) / 11.0);
  QImage lit = shot;  // what is left once the balls found are blacked out
  for (int i = 0; i < 9; ++i) {
    const int y = static_cast<int>(std::nearbyint((static_cast<float>(i) + 1) * lane / kTpp));
    bool found = false;
    for (int f = 0; f < 10 && !found; ++f) {
      const auto cell = Shrunk(sheet, i, f, size);
      // A finisher may stand past the right edge; enough of it must show to be told apart.
      const int last = shot.width() - std::min(size, 8);
      for (int x = 0; x <= last && !found; ++x) {
        if (!Matches(shot, cell, size, x, y)) continue;
        std::printf("ball %d: %d x %d at (%d, %d), rolling frame %d\n", i + 1, size, size, x, y, f);
        for (int dy = 0; dy < size; ++dy) {
          for (int dx = 0; dx < size && x + dx < shot.width(); ++dx) {
            lit.setPixel(x + dx, y + dy, 0xFF000000u);
          }
        }
        found = true;
      }
    }
    if (!found) return Fail("ball " + std::to_string(i + 1) + " is not in its lane at row " +
                            std::to_string(y));
  }
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < shot.width(); ++x) {
      if ((lit.pixel(x, y) & 0xFFFFFF) != 0) {
        return Fail("pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                    ") is neither black nor a ball");
      }
    }
  }
  return 0;
}

int Same(const char* a_path, const char* b_path, const std::vector<QRect>& skip) {
  const QImage a = Load(a_path), b = Load(b_path);
  if (a.size() != b.size()) return Fail("the screenshots differ in size");
  long differ = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (std::any_of(skip.begin(), skip.end(), [&](const QRect& r) { return r.contains(x, y); })) {
        continue;
      }
      if (a.pixel(x, y) != b.pixel(x, y) && differ++ == 0) {
        std::fprintf(stderr, "first change outside at (%d, %d)\n", x, y);
      }
    }
  }
  if (differ != 0) return Fail(std::to_string(differ) + " pixels changed outside the windows");
  std::printf("nothing changed outside the %zu windows\n", skip.size());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  int qt_argc = 1;
  QGuiApplication app(qt_argc, argv);
  const Picture sheet = corvanta::DecodeBmp(corvanta::SpriteSheetFile());
  const std::string cmd = argc > 1 ? argv[1] : "";
  if (cmd == "scaled" && argc == 3) return Scaled(argv[2], sheet);
  if (cmd == "same" && argc >= 8 && (argc - 4) % 4 == 0) {
    std::vector<QRect> skip;
    for (int i = 4; i < argc; i += 4) {
      skip.emplace_back(std::atoi(argv[i]), std::atoi(argv[i + 1]), std::atoi(argv[i + 2]),
                        std::atoi(argv[i + 3]));
    }
    return Same(argv[2], argv[3], skip);
  }
  std::fprintf(stderr, "usage: see the top of display_check.cpp\n");
  return 2;
}
