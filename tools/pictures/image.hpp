#pragma once

#include <cstdint>
#include <vector>

namespace corvanta::pictures {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

// Top-down, row-major; the writers take care of each file format's own row order.
class Image {
 public:
  Image(int width, int height, Rgb fill = kBlack)
      : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), fill) {}

  int width() const { return width_; }
  int height() const { return height_; }
  Rgb& at(int x, int y) { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
  const Rgb& at(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }

 private:
  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};

}  // namespace corvanta::pictures
