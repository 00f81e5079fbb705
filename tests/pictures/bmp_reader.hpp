#pragma once

// A deliberately separate, minimal decoder: the tests read the files the way a consumer
// would, instead of trusting the generator's own image model.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace picture_test {

using Bytes = std::vector<std::uint8_t>;

inline std::uint32_t u16_at(const Bytes& b, std::size_t at) {
  return static_cast<std::uint32_t>(b.at(at) | b.at(at + 1) << 8);
}
inline std::uint32_t u32_at(const Bytes& b, std::size_t at) {
  return u16_at(b, at) | u16_at(b, at + 2) << 16;
}
inline std::int32_t i32_at(const Bytes& b, std::size_t at) {
  return static_cast<std::int32_t>(u32_at(b, at));
}

inline Bytes read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

// Little-endian header fields as (offset, byte width, expected value).
struct Field {
  std::size_t at;
  int width;
  std::int64_t value;
};
inline std::int64_t field_value(const Bytes& b, const Field& f) {
  if (f.width == 1) return b.at(f.at);
  if (f.width == 2) return u16_at(b, f.at);
  return i32_at(b, f.at);
}

struct Rgb {
  int r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
  bool is_black() const { return r == 0 && g == 0 && b == 0; }
};

// 24-bit, bottom-up bitmap; (x, y) with y = 0 at the top of the picture as displayed.
class Bmp24 {
 public:
  explicit Bmp24(Bytes bytes) : b_(std::move(bytes)) {
    width_ = i32_at(b_, 18);
    height_ = i32_at(b_, 22);
    stride_ = static_cast<std::size_t>((width_ * 3 + 3) / 4 * 4);
  }
  int width() const { return width_; }
  int height() const { return height_; }
  std::size_t stride() const { return stride_; }
  std::size_t offset_of(int x, int y) const {
    return u32_at(b_, 10) + static_cast<std::size_t>(height_ - 1 - y) * stride_ +
           static_cast<std::size_t>(x) * 3;
  }
  Rgb at(int x, int y) const {
    const std::size_t o = offset_of(x, y);
    return {b_.at(o + 2), b_.at(o + 1), b_.at(o)};
  }
  const Bytes& bytes() const { return b_; }

 private:
  Bytes b_;
  int width_ = 0;
  int height_ = 0;
  std::size_t stride_ = 0;
};

}  // namespace picture_test
