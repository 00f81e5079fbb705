#pragma once
// Where the one setting lives in the per-user store.

#include <string_view>

namespace corvanta {

inline constexpr std::string_view kAppName = "Corvanta Screen Saver";
inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kBallSpeedKey = "BALL_SPEED";

}  // namespace corvanta
