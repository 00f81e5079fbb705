#pragma once
// The idle watch's command line: "--watch-idle [SECONDS]", optionally followed by
// "--enable-at-login" or "--disable-at-login". Self-contained, so that whichever entry reads
// the command line can ask it first.

#include <optional>
#include <string>
#include <vector>

namespace corvanta::idle {

struct WatchIdleRequest {
  enum class Login { kNone, kEnable, kDisable };
  // The delay; nullopt leaves it to the desktop's own timing (see DefaultDelaySeconds).
  std::optional<unsigned> seconds;
  Login login = Login::kNone;
  std::string error;  // not empty: one line naming the problem; nothing else is set
};

// The longest delay: a day, far inside what every idle protocol can count in milliseconds.
inline constexpr unsigned kMaxDelaySeconds = 86400;

// args are the arguments after the program's name. nullopt when they do not ask for the
// watch (the first is not --watch-idle), so the rest of the command line stays another's.
std::optional<WatchIdleRequest> ParseWatchIdle(const std::vector<std::string>& args);

}  // namespace corvanta::idle
