// Turns one image of a Windows icon file into a PNG, for desktops that look up icons by name
// in the hicolor theme. Usage: icon_png <in.ico> <out.png> [size]
//
// Reads the palette (1, 4, 8 bits) and true-colour (24, 32 bits) images icon files hold, with
// their AND mask; an image stored as PNG inside the icon is copied as it is. Every offset and
// length is checked against the file, so a damaged icon ends with a message, never a bad read.

#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "png_writer.hpp"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Error : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class Reader {
 public:
  Reader(const Bytes& data, std::size_t start, std::size_t length) : data_(data) {
    if (start > data.size() || length > data.size() - start)
      throw Error("image lies past the end of the file");
    start_ = start;
    end_ = start + length;
  }
  std::uint8_t u8(std::size_t at) const { return data_[check(at, 1)]; }
  std::uint32_t u16(std::size_t at) const {
    const std::size_t p = check(at, 2);
    return static_cast<std::uint32_t>(data_[p] | data_[p + 1] << 8);
  }
  std::uint32_t u32(std::size_t at) const {
    const std::size_t p = check(at, 4);
    return static_cast<std::uint32_t>(data_[p]) | static_cast<std::uint32_t>(data_[p + 1]) << 8 |
           static_cast<std::uint32_t>(data_[p + 2]) << 16 |
           static_cast<std::uint32_t>(data_[p + 3]) << 24;
  }
  std::size_t size() const { return end_ - start_; }
  Bytes slice() const {
    return Bytes(data_.begin() + static_cast<std::ptrdiff_t>(start_),
                 data_.begin() + static_cast<std::ptrdiff_t>(end_));
  }

 private:
  std::size_t check(std::size_t at, std::size_t n) const {
    if (at > size() || n > size() - at) throw Error("image data is cut short");
    return start_ + at;
  }
  const Bytes& data_;
  std::size_t start_ = 0;
  std::size_t end_ = 0;
};

struct Entry {
  int width = 0;
  int bits = 0;
  std::size_t offset = 0;
  std::size_t length = 0;
};

// A directory entry says 0 for 256 pixels.
int EntrySide(std::uint8_t v) { return v == 0 ? 256 : v; }

std::vector<Entry> Directory(const Bytes& file) {
  const Reader r(file, 0, file.size());
  if (r.u16(0) != 0 || r.u16(2) != 1) throw Error("not an icon file");
  const std::uint32_t count = r.u16(4);
  if (count == 0) throw Error("the icon holds no image");
  std::vector<Entry> entries;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t at = 6 + 16 * i;
    entries.push_back(
        {EntrySide(r.u8(at)), static_cast<int>(r.u16(at + 6)), r.u32(at + 12), r.u32(at + 8)});
  }
  return entries;
}

// The image of the wanted size with the most colours. A theme's size folder holds images of
// that size only, so there is no scaling of another one.
const Entry& Pick(const std::vector<Entry>& entries, int size) {
  const Entry* best = nullptr;
  for (const Entry& e : entries) {
    if (e.width == size && (!best || e.bits > best->bits)) best = &e;
  }
  if (!best) throw Error("no " + std::to_string(size) + " x " + std::to_string(size) + " image");
  return *best;
}

bool IsPng(const Reader& r) {
  static constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P',  'N',  'G',
                                                          0x0D, 0x0A, 0x1A, 0x0A};
  if (r.size() < kSignature.size()) return false;
  for (std::size_t i = 0; i < kSignature.size(); ++i) {
    if (r.u8(i) != kSignature[i]) return false;
  }
  return true;
}

corvanta::tools::Rgba DecodeDib(const Reader& r) {
  const std::uint32_t header = r.u32(0);
  if (header < 40) throw Error("unknown bitmap header");
  const auto width = static_cast<std::int32_t>(r.u32(4));
  const auto doubled = static_cast<std::int32_t>(r.u32(8));
  const std::uint32_t bits = r.u16(14);
  if (r.u32(16) != 0) throw Error("compressed icon images are not supported");
  // The height counts the colour bitmap and the mask together.
  const std::int32_t height = doubled / 2;
  if (width <= 0 || width > 256 || height <= 0 || height > 256)
    throw Error("implausible image size");
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
    throw Error("unsupported colour depth");

  std::uint32_t colours = bits <= 8 ? r.u32(32) : 0;
  if (bits <= 8 && (colours == 0 || colours > (1u << bits))) colours = 1u << bits;
  const std::size_t palette = header;
  const std::size_t pixels = palette + 4 * std::size_t{colours};
  const auto w = static_cast<std::size_t>(width);
  const auto h = static_cast<std::size_t>(height);
  const std::size_t xor_row = (w * bits + 31) / 32 * 4;
  const std::size_t and_row = (w + 31) / 32 * 4;
  const std::size_t mask = pixels + xor_row * h;
  const bool has_mask = r.size() >= mask + and_row * h;

  corvanta::tools::Rgba out(width, height);
  bool any_alpha = false;
  for (std::size_t y = 0; y < h; ++y) {
    const std::size_t row = pixels + (h - 1 - y) * xor_row;  // rows are stored bottom-up
    for (std::size_t x = 0; x < w; ++x) {
      std::uint8_t* p = out.at(static_cast<int>(x), static_cast<int>(y));
      if (bits <= 8) {
        const std::size_t bit = x * bits;
        const std::uint32_t index =
            (r.u8(row + bit / 8) >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
        if (index >= colours) throw Error("palette index past the palette");
        const std::size_t c = palette + 4 * std::size_t{index};
        p[0] = r.u8(c + 2), p[1] = r.u8(c + 1), p[2] = r.u8(c), p[3] = 255;
      } else {
        const std::size_t c = row + x * (bits / 8);
        p[0] = r.u8(c + 2), p[1] = r.u8(c + 1), p[2] = r.u8(c);
        p[3] = bits == 32 ? r.u8(c + 3) : 255;
        any_alpha = any_alpha || (bits == 32 && p[3] != 0);
      }
    }
  }
  // A 32-bit image with an alpha channel carries its own transparency; otherwise the mask does.
  if (has_mask && !any_alpha) {
    for (std::size_t y = 0; y < h; ++y) {
      const std::size_t row = mask + (h - 1 - y) * and_row;
      for (std::size_t x = 0; x < w; ++x) {
        if (r.u8(row + x / 8) & (0x80u >> (x % 8)))
          out.at(static_cast<int>(x), static_cast<int>(y))[3] = 0;
      }
    }
  }
  return out;
}

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Error("cannot open " + path);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const Bytes& data) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  out.close();
  if (!out) {
    std::remove(path.c_str());  // half a picture is worse than none: the build must see it fail
    throw Error("cannot write " + path);
  }
}

std::optional<int> ParseSize(const std::string& text) {
  if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  const int v = std::stoi(text);
  if (v < 1 || v > 256) return std::nullopt;
  return v;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: icon_png <in.ico> <out.png> [size]\n");
    return 2;
  }
  const std::optional<int> size = argc == 4 ? ParseSize(argv[3]) : 32;
  if (!size) {
    std::fprintf(stderr, "icon_png: size must be 1 to 256\n");
    return 2;
  }
  try {
    const Bytes file = ReadFile(argv[1]);
    const std::vector<Entry> entries = Directory(file);
    const Entry& e = Pick(entries, *size);
    const Reader image(file, e.offset, e.length);
    if (IsPng(image)) {
      WriteFile(argv[2], image.slice());
    } else {
      const corvanta::tools::Rgba pixels = DecodeDib(image);
      if (pixels.width() != *size || pixels.height() != *size)
        throw Error("image size differs from its entry");
      WriteFile(argv[2], corvanta::tools::EncodePng(pixels));
    }
  } catch (const Error& err) {
    std::fprintf(stderr, "icon_png: %s: %s\n", argv[1], err.what());
    return 1;
  }
  return 0;
}
