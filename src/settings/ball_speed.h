#pragma once
// The one setting: where it lives in the per-user store, reading it and writing it.

#include <cstdint>
#include <string_view>

#include "layout/settings_store.h"

namespace corvanta {

inline constexpr std::string_view kAppName = "Corvanta Screen Saver";
inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kBallSpeedKey = "BALL_SPEED";

// The stored codes of the speeds, named after the dialog's captions; the code is the caption's
// place in the list.
inline constexpr std::int16_t kSpeedFast = 0, kSpeedMedium = 1, kSpeedSlow = 2;

// The stored speed. Anything unreadable, empty, non-numeric or beyond 16 bits gives Medium;
// values outside Fast..Slow are kept as they are, for each reader to deal with.
std::int16_t ReadBallSpeed(SettingsStore& store);

// Stores the speed; false when the store refused the write.
bool WriteBallSpeed(SettingsStore& store, std::int16_t speed);

}  // namespace corvanta
