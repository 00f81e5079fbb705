#pragma once

#include <cstdint>
#include <vector>

namespace corvanta::pictures {

// Both file formats are little-endian whatever the host is, so values go out byte by byte.
class ByteWriter {
 public:
  void u8(std::uint32_t v) { bytes_.push_back(static_cast<std::uint8_t>(v & 0xFFu)); }
  void u16(std::uint32_t v) {
    u8(v);
    u8(v >> 8);
  }
  void u32(std::uint32_t v) {
    u16(v & 0xFFFFu);
    u16(v >> 16);
  }
  void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
  std::size_t size() const { return bytes_.size(); }
  std::vector<std::uint8_t> take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace corvanta::pictures
