#pragma once
// Which font file stands for a designed font, and how it is to be rendered, asked of fontconfig
// as Qt asks it for a QFont with a sans-serif style hint: a caption drawn with this file and
// these settings looks as the Qt label's caption does on X.

#include <string>

#include "layout/designs.h"

namespace corvanta::linux_services {

enum class Hinting { kNone, kLight, kFull };

struct FontMatch {
  std::string file;  // empty: fontconfig knows no font at all
  int index = 0;     // face within the file
  Hinting hinting = Hinting::kLight;
  bool antialias = true;
  bool autohint = false;
};

// The designed face if installed; else what fontconfig puts in its place for the design's
// weight and slant among the sans-serif faces, as Qt's stand-in is.
FontMatch MatchFont(const FontDesign& font, double pixel_size);
// "sans-serif:bold", for a caller whose first file fails to load (fontconfig's cache may name
// a file that is no longer on disk).
FontMatch MatchFallbackFont(double pixel_size);

}  // namespace corvanta::linux_services
