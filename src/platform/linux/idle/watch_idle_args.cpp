#include "platform/linux/idle/watch_idle_args.h"

#include <charconv>
#include <string_view>

namespace corvanta::idle {
namespace {

// "--name" or "-name", as the program's other long options are taken.
bool Is(std::string_view arg, std::string_view name) {
  if (arg.starts_with("--")) arg.remove_prefix(2);
  else if (arg.starts_with("-")) arg.remove_prefix(1);
  else return false;
  return arg == name;
}

WatchIdleRequest Error(std::string text) {
  WatchIdleRequest r;
  r.error = std::move(text);
  return r;
}

std::optional<unsigned> Seconds(std::string_view text) {
  unsigned value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value == 0 || value > kMaxDelaySeconds) return std::nullopt;
  return value;
}

}  // namespace

std::optional<WatchIdleRequest> ParseWatchIdle(const std::vector<std::string>& args) {
  if (args.empty()) return std::nullopt;
  std::string_view first = args[0];
  std::optional<std::string_view> inline_value;
  if (const auto eq = first.find('='); eq != std::string_view::npos) {
    inline_value = first.substr(eq + 1);
    first = first.substr(0, eq);
  }
  if (!Is(first, "watch-idle")) return std::nullopt;

  WatchIdleRequest r;
  const auto take_seconds = [&r](std::string_view text) {
    r.seconds = Seconds(text);
    return r.seconds.has_value();
  };
  const std::string bad_seconds = std::string("--watch-idle: SECONDS is a whole number from 1 to ")
                                      .append(std::to_string(kMaxDelaySeconds));
  if (inline_value && !take_seconds(*inline_value)) return Error(bad_seconds);
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (Is(arg, "enable-at-login") || Is(arg, "disable-at-login")) {
      if (r.login != WatchIdleRequest::Login::kNone) {
        return Error("--watch-idle takes one of --enable-at-login and --disable-at-login");
      }
      r.login = Is(arg, "enable-at-login") ? WatchIdleRequest::Login::kEnable
                                           : WatchIdleRequest::Login::kDisable;
      continue;
    }
    if (i == 1 && !inline_value && !arg.empty() && arg[0] != '-') {
      if (!take_seconds(arg)) return Error(bad_seconds);
      continue;
    }
    return Error(std::string("--watch-idle: unexpected argument \"").append(arg).append("\""));
  }
  return r;
}

}  // namespace corvanta::idle
