#pragma once
// Win32's window longs and cursor display count for a platform that has neither: the style and
// the owner the show sets are kept and read back as Windows answers them, and the count says
// whether the cursor is hidden. The platform does what they mean (if anything) itself.

#include <cstdint>

#include "layout/toolkit.h"

namespace corvanta {

// A top-level popup, as GetWindowLongA reports one before any change, less WS_VISIBLE, which
// Windows reports from the window's state.
inline constexpr std::int32_t kPopupStyle = static_cast<std::int32_t>(0x80000000u | 0x04000000u);

class WindowLongs {
 public:
  // GWL_STYLE and GWL_HWNDPARENT of a window shown or not; 0 for any other index.
  std::int32_t Get(std::int32_t index, bool visible) const {
    if (index == user32::GWL_STYLE) return style_ | (visible ? user32::WS_VISIBLE : 0);
    return index == user32::GWL_HWNDPARENT ? owner_ : 0;
  }
  // Keeps value (the style without WS_VISIBLE, which only showing sets); the previous value,
  // or 0 for an index not kept.
  std::int32_t Set(std::int32_t index, std::int32_t value) {
    if (index != user32::GWL_STYLE && index != user32::GWL_HWNDPARENT) return 0;
    std::int32_t& slot = index == user32::GWL_STYLE ? style_ : owner_;
    const std::int32_t previous = slot;
    slot = index == user32::GWL_STYLE ? value & ~user32::WS_VISIBLE : value;
    return previous;
  }

 private:
  std::int32_t style_ = kPopupStyle;
  std::int32_t owner_ = 0;
};

// ShowCursor's count: the cursor is hidden while it is below zero.
class CursorCount {
 public:
  std::int32_t Change(std::int32_t show) { return count_ += show ? 1 : -1; }
  bool Hidden() const { return count_ < 0; }

 private:
  std::int32_t count_ = 0;
};

}  // namespace corvanta
