#include "settings/ball_speed.h"

#include <string>

#include "layout/numbers.h"

namespace corvanta {

std::int16_t ReadBallSpeed(SettingsStore& store) {
  const std::string text = store.GetSetting(kAppName, kSettingsSection, kBallSpeedKey, "1");
  return RoundToInt16(text).value_or(1);
}

bool WriteBallSpeed(SettingsStore& store, std::int16_t speed) {
  return store.SaveSetting(kAppName, kSettingsSection, kBallSpeedKey, std::to_string(speed));
}

}  // namespace corvanta
