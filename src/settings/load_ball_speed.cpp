#include <optional>

#include "layout/numbers.h"
#include "settings/ball_speed.h"
#include "show/frm_main.h"

namespace corvanta {

void frmMain::LoadBallSpeed() {
  // Anything unreadable, empty, non-numeric or beyond 16 bits falls back to Medium; values
  // outside 0..2 are kept as they are, for each reader to deal with.
  const std::string text =
      kit_.Store().GetSetting(kAppName, kSettingsSection, kBallSpeedKey, "1");
  iBallSpeed = RoundToInt16(text).value_or(1);
}

}  // namespace corvanta
