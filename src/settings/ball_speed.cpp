#include "settings/ball_speed.h"

#include <string>

#include "layout/numbers.h"

namespace corvanta {

std::int16_t ReadBallSpeed(SettingsStore& store) {
  const std::string text =
      store.GetSetting(kAppName, kSettingsSection, kBallSpeedKey, std::to_string(kSpeedMedium));
  return RoundToInt16(text).value_or(kSpeedMedium);
}

bool WriteBallSpeed(SettingsStore& store, std::int16_t speed) {
  return store.SaveSetting(kAppName, kSettingsSection, kBallSpeedKey, std::to_string(speed));
}

}  // namespace corvanta
