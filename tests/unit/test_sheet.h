#pragma once
// A stand-in sprite sheet whose every cell has its own colour, so a frame shows which cell
// went where. Column 0 of each cell is black, like the real sheet's.

#include "layout/picture.h"

namespace corvanta::testing {

inline std::uint32_t CellColour(int column, int row) {
  return 0xFF000000u | static_cast<std::uint32_t>(0x20 + column * 16) << 16 |
         static_cast<std::uint32_t>(0x20 + row * 16) << 8 | 0x80u;
}

inline Picture TestSheet() {
  Picture p{329, 290, std::vector<std::uint32_t>(329 * 290, 0xFFFFFFFFu)};
  for (int y = 0; y < 290; ++y) {
    for (int x = 0; x < 329; ++x) {
      std::uint32_t c = 0xFF000000u;
      if (x < 320 && y < 288 && x % 32 != 0) c = CellColour(x / 32, y / 32);
      if (x >= 322) c = 0xFFFFFFFFu;
      p.pixels[static_cast<std::size_t>(y) * 329 + x] = c;
    }
  }
  return p;
}

}  // namespace corvanta::testing
