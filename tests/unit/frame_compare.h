#pragma once
// Frames compared as pixels: an independent reference renderer, and on a mismatch both images
// are written side by side as PPM files so a person can look at them.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "layout/picture.h"
#include "layout/surface.h"

namespace corvanta::testing {

struct Image {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// What a frame must look like, built pixel by pixel: later balls cover earlier ones.
inline Image ExpectedFrame(int width, int height, const Picture& sheet, const float* pos,
                           float lane, int frame, float tpp_x, float tpp_y) {
  Image img{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height,
                                                      0xFF000000u)};
  for (int i = 0; i < 9; ++i) {
    const long left = std::lround(std::nearbyint(pos[i] / static_cast<double>(tpp_x)));
    const long top = std::lround(std::nearbyint((i + 1) * lane / static_cast<double>(tpp_y)));
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        const long px = left + x, py = top + y;
        if (px < 0 || py < 0 || px >= width || py >= height) continue;
        img.At(static_cast<int>(px), static_cast<int>(py)) = sheet.At(frame * 32 + x, i * 32 + y);
      }
    }
  }
  return img;
}

inline void WritePpm(const std::string& path, int width, int height,
                     const std::uint32_t* pixels) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return;
  std::fprintf(f, "P6\n%d %d\n255\n", width, height);
  for (long i = 0; i < static_cast<long>(width) * height; ++i) {
    const unsigned char rgb[3] = {static_cast<unsigned char>(pixels[i] >> 16),
                                  static_cast<unsigned char>(pixels[i] >> 8),
                                  static_cast<unsigned char>(pixels[i])};
    std::fwrite(rgb, 1, 3, f);
  }
  std::fclose(f);
}

inline ::testing::AssertionResult SameFrame(const Surface& actual, const Image& expected,
                                            const std::string& name) {
  if (actual.Width() != expected.width || actual.Height() != expected.height) {
    return ::testing::AssertionFailure() << name << ": size " << actual.Width() << "x"
                                         << actual.Height() << ", expected " << expected.width
                                         << "x" << expected.height;
  }
  long wrong = 0;
  int first_x = -1, first_y = -1;
  for (int y = 0; y < expected.height; ++y) {
    for (int x = 0; x < expected.width; ++x) {
      if (actual.At(x, y) != expected.pixels[static_cast<std::size_t>(y) * expected.width + x]) {
        if (wrong++ == 0) first_x = x, first_y = y;
      }
    }
  }
  if (wrong == 0) return ::testing::AssertionSuccess();
  WritePpm(name + ".actual.ppm", actual.Width(), actual.Height(), actual.Pixels().data());
  WritePpm(name + ".expected.ppm", expected.width, expected.height, expected.pixels.data());
  return ::testing::AssertionFailure() << name << ": " << wrong << " pixels differ, first at ("
                                       << first_x << ", " << first_y << "); wrote " << name
                                       << ".actual.ppm and " << name << ".expected.ppm";
}

}  // namespace corvanta::testing
