#include "platform/linux/caption_raster.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>

#include "platform/linux/font_match.h"

namespace corvanta::linux_services {

struct CaptionRaster::Face {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  FT_Int32 load_flags = FT_LOAD_DEFAULT;
  FT_Render_Mode render_mode = FT_RENDER_MODE_NORMAL;
  // Unhinted advances and glyphs placed at quarter pixels, as Qt does for light or no hinting;
  // with full hinting, whole-pixel advances and positions.
  bool design_metrics = true;
  // Bold asked of a face that has none: Qt thickens the outlines, and so do we.
  FT_Pos embolden = 0;

  bool Load(const FontDesign& font, const FontMatch& match, double pixel_size);
  ~Face() {
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
  }
};

namespace {

// One code point from the front of text; a malformed sequence yields U+FFFD and one byte.
char32_t NextCodePoint(std::string_view& text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  const int length = lead < 0x80         ? 1
                     : (lead >> 5) == 6  ? 2
                     : (lead >> 4) == 14 ? 3
                     : (lead >> 3) == 30 ? 4
                                         : 0;
  char32_t c = length == 1   ? lead
               : length == 2 ? lead & 0x1F
               : length == 3 ? lead & 0x0F
                             : lead & 0x07;
  bool ok = length > 0 && static_cast<std::size_t>(length) <= text.size();
  for (int i = 1; ok && i < length; ++i) {
    ok = (byte(i) & 0xC0) == 0x80;
    c = (c << 6) | (byte(i) & 0x3F);
  }
  if (!ok) {
    text.remove_prefix(1);
    return U'\uFFFD';
  }
  text.remove_prefix(static_cast<std::size_t>(length));
  return c;
}

// A 0x00BBGGRR colour as a 0x00RRGGBB pixel.
std::uint32_t ToPixel(Colour colour) {
  return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

std::uint32_t Blend(std::uint32_t fore, std::uint32_t back, unsigned coverage) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const std::uint32_t f = (fore >> shift) & 0xFF, b = (back >> shift) & 0xFF;
    out |= ((f * coverage + b * (255 - coverage) + 127) / 255) << shift;
  }
  return out;
}

}  // namespace

bool CaptionRaster::Face::Load(const FontDesign& font, const FontMatch& match, double pixel_size) {
  if (match.file.empty()) return false;
  if (FT_New_Face(library, match.file.c_str(), match.index, &face) != 0) {
    face = nullptr;
    return false;
  }
  // The pixel size in 1/64 as Qt sets it, after rounding the size to 1/100 of a pixel.
  const auto size = static_cast<FT_F26Dot6>(std::lround(pixel_size * 64));
  if (FT_Set_Char_Size(face, 0, size, 0, 0) != 0) {
    FT_Done_Face(face);
    face = nullptr;
    return false;
  }
  design_metrics = match.hinting != Hinting::kFull;
  load_flags = FT_LOAD_DEFAULT | (match.hinting == Hinting::kNone    ? FT_LOAD_NO_HINTING
                                  : match.hinting == Hinting::kLight ? FT_LOAD_TARGET_LIGHT
                                                                     : FT_LOAD_TARGET_NORMAL);
  if (match.autohint) load_flags |= FT_LOAD_FORCE_AUTOHINT;
  render_mode = match.antialias ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO;
  // Qt's rule (QFontEngineFT::init): a scalable face lighter than bold, below 64 pixels, is
  // thickened by a 24th of the em.
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (font.weight >= 700 && FT_IS_SCALABLE(face) && !(face->style_flags & FT_STYLE_FLAG_BOLD) &&
      !FT_IS_FIXED_WIDTH(face) && os2 && os2->usWeightClass < 700 && pixel_size < 64) {
    embolden = FT_MulFix(face->units_per_EM, face->size->metrics.y_scale) / 24;
  }
  return true;
}

namespace {

// Where Qt's raster engine puts a glyph whose pen is at x (1/64 pixel): the whole pixels of x,
// and a quarter-pixel step rendered into the glyph's image (QFontEngine::subPixelPositionFor).
void Place(FT_Pos x, bool subpixel, int& whole, FT_Pos& step) {
  whole = static_cast<int>(x >> 6);  // floor
  step = 0;
  if (!subpixel || x == 0) return;
  const FT_Pos fraction = (x & 63) + 1;
  step = (fraction * 4 / 64) * 16;
}

// Adds one rendered glyph's coverage to the box, clipped to it.
void Accumulate(const FT_Bitmap& bitmap, int left, int top, int width, int height,
                std::vector<std::uint8_t>& coverage) {
  for (unsigned row = 0; row < bitmap.rows; ++row) {
    const int y = top + static_cast<int>(row);
    if (y < 0 || y >= height) continue;
    const unsigned char* src = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
    for (unsigned col = 0; col < bitmap.width; ++col) {
      const int x = left + static_cast<int>(col);
      if (x < 0 || x >= width) continue;
      const unsigned value = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                                 ? ((src[col >> 3] >> (7 - (col & 7))) & 1) * 255u
                                 : src[col];
      std::uint8_t& c = coverage[static_cast<std::size_t>(y) * width + x];
      c = static_cast<std::uint8_t>(std::min(255u, c + value));
    }
  }
}

}  // namespace

CaptionRaster::CaptionRaster(const FontDesign& font, double pixels_per_point)
    : face_(std::make_unique<Face>()) {
  if (FT_Init_FreeType(&face_->library) != 0) {
    face_->library = nullptr;
    return;
  }
  const double pixel_size = std::floor(font.points * pixels_per_point * 100 + 0.5) / 100;
  if (!(pixel_size > 0)) return;
  FontMatch match = MatchFont(font, pixel_size);
  if (!face_->Load(font, match, pixel_size)) {
    match = MatchFallbackFont(pixel_size);
    if (!face_->Load(font, match, pixel_size)) return;
  }
  file_ = match.file;
}

CaptionRaster::~CaptionRaster() = default;

bool CaptionRaster::HasFace() const { return face_->face != nullptr; }

const std::string& CaptionRaster::FontFile() const { return file_; }

void CaptionRaster::Draw(std::string_view text, Colour fore, Colour back, std::uint32_t* pixels,
                         int stride_bytes, int width, int height) {
  Draw(text, fore, back, pixels, stride_bytes, width, height, PixelRect{0, 0, width, height});
}

void CaptionRaster::Draw(std::string_view text, Colour fore, Colour back, std::uint32_t* buffer,
                         int stride_bytes, int buffer_width, int buffer_height, PixelRect box) {
  if (!buffer || buffer_width <= 0 || buffer_height <= 0 || stride_bytes % 4 != 0 ||
      stride_bytes / 4 < buffer_width || box.Empty()) {
    return;
  }
  const PixelRect shown = box.Intersect({0, 0, buffer_width, buffer_height});
  if (shown.Empty()) return;
  const PixelRect part{shown.left - box.left, shown.top - box.top, shown.right - box.left,
                       shown.bottom - box.top};
  if (!has_cache_ || text != cached_text_ || part != cached_part_) Rasterise(text, part);
  const std::uint32_t f = ToPixel(fore & 0x00FFFFFFu), b = ToPixel(back & 0x00FFFFFFu);
  auto* row = reinterpret_cast<unsigned char*>(buffer) +
              static_cast<std::ptrdiff_t>(shown.top) * stride_bytes;
  const std::uint8_t* c = coverage_.data();
  for (int y = shown.top; y < shown.bottom; ++y, row += stride_bytes) {
    auto* out = reinterpret_cast<std::uint32_t*>(row) + shown.left;
    for (int x = 0; x < shown.Width(); ++x, ++c) out[x] = *c ? Blend(f, b, *c) : b;
  }
}

// Coverage of the caption over part of its box (box coordinates): only what is shown is kept.
void CaptionRaster::Rasterise(std::string_view text, PixelRect part) {
  has_cache_ = true;
  cached_text_ = text;
  cached_part_ = part;
  coverage_.assign(static_cast<std::size_t>(part.Width()) * part.Height(), 0);
  FT_Face face = face_->face;
  if (!face) return;
  // The baseline sits one ascent below the box's top, rounded to a row as Qt rounds it.
  const FT_Pos ascent = FT_MulFix(face->ascender, face->size->metrics.y_scale);
  const int baseline = static_cast<int>((ascent + 32) >> 6);
  FT_Pos pen = 0;
  FT_UInt previous = 0;
  while (!text.empty() && (pen >> 6) < part.right) {
    const FT_UInt glyph = FT_Get_Char_Index(face, NextCodePoint(text));
    if (previous && glyph && FT_HAS_KERNING(face)) {
      FT_Vector kern{};
      FT_Get_Kerning(face, previous, glyph, FT_KERNING_UNFITTED, &kern);
      pen += kern.x;
    }
    previous = glyph;
    if (FT_Load_Glyph(face, glyph, face_->load_flags) != 0) continue;
    FT_GlyphSlot slot = face->glyph;
    int whole = 0;
    FT_Pos step = 0;
    Place(pen, face_->design_metrics, whole, step);
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
      if (face_->embolden) FT_Outline_Embolden(&slot->outline, face_->embolden);
      FT_Outline_Translate(&slot->outline, step, 0);
    }
    if (FT_Render_Glyph(slot, face_->render_mode) == 0) {
      Accumulate(slot->bitmap, whole + slot->bitmap_left - part.left,
                 baseline - slot->bitmap_top - part.top, part.Width(), part.Height(), coverage_);
    }
    pen += face_->design_metrics ? slot->linearHoriAdvance >> 10
                                 : (slot->metrics.horiAdvance + 32) & ~63;
  }
}

}  // namespace corvanta::linux_services
