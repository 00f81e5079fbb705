#include "platform/linux/font_match.h"

#include <fontconfig/fontconfig.h>

#include <memory>
#include <string>

namespace corvanta::linux_services {
namespace {

struct ConfigFree {
  void operator()(FcConfig* c) const { FcConfigDestroy(c); }
};
struct PatternFree {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using Pattern = std::unique_ptr<FcPattern, PatternFree>;

// Qt reads the same properties off its match (QFontconfigDatabase::setupFontEngine): slight
// hinting is FreeType's light target, medium and full its normal one.
FontMatch Settings(FcPattern* match) {
  FontMatch out;
  FcChar8* file = nullptr;
  if (FcPatternGetString(match, FC_FILE, 0, &file) != FcResultMatch || !file) return out;
  out.file = reinterpret_cast<const char*>(file);
  FcPatternGetInteger(match, FC_INDEX, 0, &out.index);
  FcBool hinting = FcTrue;
  FcPatternGetBool(match, FC_HINTING, 0, &hinting);
  int style = FC_HINT_SLIGHT;
  FcPatternGetInteger(match, FC_HINT_STYLE, 0, &style);
  out.hinting = !hinting || style == FC_HINT_NONE ? Hinting::kNone
                : style == FC_HINT_SLIGHT         ? Hinting::kLight
                                                  : Hinting::kFull;
  FcBool antialias = FcTrue, autohint = FcFalse;
  FcPatternGetBool(match, FC_ANTIALIAS, 0, &antialias);
  FcPatternGetBool(match, FC_AUTOHINT, 0, &autohint);
  out.antialias = antialias;
  out.autohint = autohint;
  return out;
}

FontMatch Match(FcPattern* pattern, double pixel_size) {
  // A configuration of our own, destroyed after use, so that nothing of fontconfig stays
  // behind in the process for the leak checker to report.
  const std::unique_ptr<FcConfig, ConfigFree> config(FcInitLoadConfigAndFonts());
  if (!config) return {};
  FcPatternAddDouble(pattern, FC_PIXEL_SIZE, pixel_size);
  FcConfigSubstitute(config.get(), pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  const Pattern match(FcFontMatch(config.get(), pattern, &result));
  if (!match) return {};
  return Settings(match.get());
}

}  // namespace

FontMatch MatchFont(const FontDesign& font, double pixel_size) {
  const Pattern pattern(FcPatternCreate());
  if (!pattern) return {};
  const std::string face(font.face);
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
  // The style hint: a weak generic family after the designed one, as Qt adds for SansSerif.
  FcValue generic{};
  generic.type = FcTypeString;
  generic.u.s = reinterpret_cast<const FcChar8*>("sans-serif");
  FcPatternAddWeak(pattern.get(), FC_FAMILY, generic, FcTrue);
  FcPatternAddDouble(pattern.get(), FC_WEIGHT, FcWeightFromOpenTypeDouble(font.weight));
  FcPatternAddInteger(pattern.get(), FC_SLANT, font.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  return Match(pattern.get(), pixel_size);
}

FontMatch MatchFallbackFont(double pixel_size) {
  const Pattern pattern(FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif:bold")));
  if (!pattern) return {};
  return Match(pattern.get(), pixel_size);
}

}  // namespace corvanta::linux_services
