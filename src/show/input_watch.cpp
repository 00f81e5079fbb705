// Any key, any button or a real movement of the pointer ends the show; the preview ignores all.

#include <cmath>
#include <limits>

#include "layout/twips.h"
#include "show/frm_main.h"

namespace corvanta {
namespace {

constexpr float kMoveThreshold = 45.0f;  // twips: 3 pixels at 96 dots per inch

// The limits only matter for a broken backend.
std::int32_t RoundedPoint(float v) {
  return RoundSaturated(v, std::numeric_limits<std::int32_t>::min(),
                        std::numeric_limits<std::int32_t>::max());
}

}  // namespace

void frmMain::Form_KeyDown(std::int16_t& /*KeyCode*/, std::int16_t& /*Shift*/) {
  if (!IgnoresInput()) Unload();
}

void frmMain::Form_MouseDown(std::int16_t& /*Button*/, std::int16_t& /*Shift*/, float& /*x*/,
                             float& /*y*/) {
  if (!IgnoresInput()) Unload();
}

void frmMain::Form_MouseMove(std::int16_t& /*Button*/, std::int16_t& /*Shift*/, float& x,
                             float& y) {
  if (IgnoresInput()) return;
  const float dX = static_cast<float>(std::fabs(static_cast<double>(iLastX) - x));
  const float dY = static_cast<float>(std::fabs(static_cast<double>(iLastY) - y));
  const bool moved = dX >= kMoveThreshold || dY >= kMoveThreshold;
  // (0, 0) means nothing recorded yet: the first event only records where the pointer is.
  if (moved && (iLastX != 0 || iLastY != 0)) {
    Unload();
    return;
  }
  iLastX = RoundedPoint(x);
  iLastY = RoundedPoint(y);
}

void frmMain::Form_Unload(std::int16_t& /*Cancel*/) {
  covers_.Close();
  kit_.ShowCursor(kTrue);
}

}  // namespace corvanta
