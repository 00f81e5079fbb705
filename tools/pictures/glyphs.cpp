#include "glyphs.hpp"

#include <array>
#include <string_view>

namespace corvanta::pictures {

namespace {

using Glyph = std::array<std::string_view, kGlyphHeight>;

constexpr std::array<Glyph, 10> kDigits{{
    {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."},
    {"..#..", ".##..", "#.#..", "..#..", "..#..", "..#..", "#####"},
    {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"},
    {"####.", "....#", "....#", ".###.", "....#", "....#", "####."},
    {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."},
    {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."},
    {".###.", "#....", "#....", "####.", "#...#", "#...#", ".###."},
    {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."},
    {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."},
    {".###.", "#...#", "#...#", ".####", "....#", "....#", ".###."},
}};

}  // namespace

bool glyph_ink(int digit, int column, int row) {
  if (digit < 0 || digit > 9 || column < 0 || column >= kGlyphWidth || row < 0 ||
      row >= kGlyphHeight) {
    return false;
  }
  return kDigits[static_cast<std::size_t>(digit)][static_cast<std::size_t>(row)]
                [static_cast<std::size_t>(column)] == '#';
}

}  // namespace corvanta::pictures
