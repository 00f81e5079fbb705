#pragma once

#include <cstdint>
#include <vector>

namespace corvanta::tools {

// Top-down rows of red, green, blue and alpha bytes.
class Rgba {
 public:
  Rgba(int width, int height)
      : width_(width), height_(height), bytes_(static_cast<std::size_t>(width * height) * 4) {}
  int width() const { return width_; }
  int height() const { return height_; }
  std::uint8_t* at(int x, int y) { return &bytes_[static_cast<std::size_t>(y * width_ + x) * 4]; }
  const std::uint8_t* row(int y) const { return &bytes_[static_cast<std::size_t>(y * width_) * 4]; }

 private:
  int width_;
  int height_;
  std::vector<std::uint8_t> bytes_;
};

std::vector<std::uint8_t> EncodePng(const Rgba& image);

}  // namespace corvanta::tools
