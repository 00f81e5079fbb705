#pragma once

namespace corvanta::pictures {

// Our own digit shapes, so that no system font (and no font licence) is involved and every
// build draws the same numerals.
inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;

// True where the ink of `digit` (0..9) covers glyph cell (column, row), row 0 at the top.
// Cells outside the glyph box are blank.
bool glyph_ink(int digit, int column, int row);

}  // namespace corvanta::pictures
