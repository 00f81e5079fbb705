// Reads a screenshot of the show (binary PPM) and reports what a viewer would check by eye:
//   shot_probe balls <ppm>
//     size <w> <h>
//     ball <n> top <y> left <x> right <x> dominant <k> count <c> white <c>   (n = 1..9)
//     stray <pixels>
//   shot_probe caption <ppm> <x> <y> <w> <h>
//     caption <pixels of the caption's pale yellow inside the rectangle>
// Ball n's lane is the 32-pixel band whose top is n elevenths of the screen height, rounded as
// the program rounds twips. In that band: left/right are the outermost non-black columns (-1
// when the band is empty), dominant is the ball whose body colour most pixels match (0 when
// none), count how many match it, white how many are the light grey of the nine ball. Stray
// counts non-black pixels outside all nine bands.

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "ball_colours.hpp"

namespace {

struct Rgb {
  int r, g, b;
};

constexpr Rgb kNineWhite = ball_colours::Body<Rgb>(9);
constexpr Rgb kCaption{255, 255, 128};
constexpr int kTolerance = 16;

struct Image {
  int w = 0, h = 0;
  std::vector<unsigned char> px;
  Rgb At(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * w + x) * 3;
    return {px[i], px[i + 1], px[i + 2]};
  }
};

bool Near(Rgb a, Rgb b, int tol) {
  const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
  return dr * dr + dg * dg + db * db <= tol * tol;
}

bool Black(Rgb p) { return p.r <= 8 && p.g <= 8 && p.b <= 8; }

Image Load(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int maxval = 0;
  Image img;
  in >> magic >> img.w >> img.h >> maxval;
  in.get();
  if (magic != "P6" || maxval != 255 || img.w <= 0 || img.h <= 0) {
    std::cerr << "not a binary 8-bit PPM: " << path << "\n";
    std::exit(2);
  }
  img.px.resize(static_cast<std::size_t>(img.w) * img.h * 3);
  in.read(reinterpret_cast<char*>(img.px.data()), static_cast<std::streamsize>(img.px.size()));
  if (!in) {
    std::cerr << "short PPM: " << path << "\n";
    std::exit(2);
  }
  return img;
}

int LaneTop(int screen_h, int n) {
  // The program keeps the lane height in single-precision twips (15 to the pixel here) and
  // rounds to the nearest pixel, halves to even, when it draws.
  const float lane = static_cast<float>(static_cast<double>(screen_h * 15.0f) / 11.0);
  return static_cast<int>(std::nearbyint(static_cast<float>(n) * lane / 15.0f));
}

int Balls(const Image& img) {
  std::printf("size %d %d\n", img.w, img.h);
  std::vector<bool> in_lane(static_cast<std::size_t>(img.h), false);
  for (int n = 1; n <= 9; ++n) {
    const int top = LaneTop(img.h, n);
    int left = -1, right = -1, white = 0;
    std::array<int, 9> counts{};
    for (int y = top; y < top + 32 && y < img.h; ++y) {
      in_lane[static_cast<std::size_t>(y)] = true;
      for (int x = 0; x < img.w; ++x) {
        const Rgb p = img.At(x, y);
        if (Black(p)) continue;
        if (left < 0) left = x;
        left = std::min(left, x);
        right = std::max(right, x);
        if (Near(p, kNineWhite, kTolerance)) ++white;
        for (int k = 0; k < 8; ++k) {
          if (Near(p, ball_colours::Body<Rgb>(k + 1), kTolerance))
            ++counts[static_cast<std::size_t>(k)];
        }
      }
    }
    int dominant = 0, best = 0;
    for (int k = 0; k < 8; ++k) {
      if (counts[static_cast<std::size_t>(k)] > best) {
        best = counts[static_cast<std::size_t>(k)];
        dominant = k + 1;
      }
    }
    // Balls 1 and 9 share the yellow; the nine's white half tells them apart.
    if (dominant == 1 && white >= 40) dominant = 9;
    std::printf("ball %d top %d left %d right %d dominant %d count %d white %d\n", n, top, left,
                right, dominant, best, white);
  }
  long stray = 0;
  for (int y = 0; y < img.h; ++y) {
    if (in_lane[static_cast<std::size_t>(y)]) continue;
    for (int x = 0; x < img.w; ++x) stray += Black(img.At(x, y)) ? 0 : 1;
  }
  std::printf("stray %ld\n", stray);
  return 0;
}

int Caption(const Image& img, int x0, int y0, int w, int h) {
  long count = 0;
  for (int y = std::max(0, y0); y < std::min(img.h, y0 + h); ++y) {
    for (int x = std::max(0, x0); x < std::min(img.w, x0 + w); ++x) {
      count += Near(img.At(x, y), kCaption, kTolerance) ? 1 : 0;
    }
  }
  std::printf("caption %ld\n", count);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string cmd = argc > 2 ? argv[1] : "";
  if (cmd == "balls") return Balls(Load(argv[2]));
  if (cmd == "caption" && argc == 7) {
    return Caption(Load(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]),
                   std::atoi(argv[6]));
  }
  std::cerr << "usage: shot_probe balls <ppm> | caption <ppm> <x> <y> <w> <h>\n";
  return 2;
}
