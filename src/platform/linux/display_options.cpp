#include "platform/linux/display_options.h"

#include <cctype>
#include <cstdlib>

#include "layout/version.h"
#include "settings/ball_speed.h"

namespace corvanta {
namespace {

using Action = DisplayOptions::Action;

DisplayOptions Error(std::string what) {
  DisplayOptions o;
  o.action = Action::kError;
  o.error = std::move(what);
  return o;
}

// For messages: short, on one line, whatever a caller passed.
std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (const char ch : text.substr(0, 40)) {
    out += std::isprint(static_cast<unsigned char>(ch)) ? ch : '?';
  }
  if (text.size() > 40) out += "...";
  return out + "\"";
}

enum class IdReading { kGood, kMalformed, kZero, kTooBig };

IdReading ReadWindowId(std::string_view text, std::uint32_t& value) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  if (text.empty()) return IdReading::kMalformed;
  std::uint64_t v = 0;
  bool too_big = false;
  for (const char ch : text) {
    const auto u = static_cast<unsigned char>(ch);
    int digit = 0;
    if (std::isdigit(u)) {
      digit = u - '0';
    } else if (base == 16 && std::isxdigit(u)) {
      digit = std::tolower(u) - 'a' + 10;
    } else {
      return IdReading::kMalformed;
    }
    v = v * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    // Checked per digit, so no number of digits can wrap the sum around.
    if (v > 0xFFFFFFFFu) {
      too_big = true;
      v = 0x100000000u;
    }
  }
  if (too_big) return IdReading::kTooBig;
  if (v == 0) return IdReading::kZero;
  value = static_cast<std::uint32_t>(v);
  return IdReading::kGood;
}

// Empty when text is a usable id; otherwise why not, for a message.
std::string IdProblem(std::string_view text, std::uint32_t& value) {
  switch (ReadWindowId(text, value)) {
    case IdReading::kGood:
      return {};
    case IdReading::kZero:
      return "window id 0 names no window";
    case IdReading::kTooBig:
      return "window id " + Quoted(text) + " is beyond 32 bits";
    case IdReading::kMalformed:
      break;
  }
  return Quoted(text) + " is not a window id (hex 0x... or decimal)";
}

std::optional<std::int16_t> SpeedNamed(std::string_view name) {
  if (name == "fast") return kSpeedFast;
  if (name == "medium") return kSpeedMedium;
  if (name == "slow") return kSpeedSlow;
  return std::nullopt;
}

// "--name" and "-name" are one option, as with the daemon's other display modes.
bool Is(std::string_view arg, std::string_view name) {
  if (arg.substr(0, 2) == "--") arg.remove_prefix(1);
  return arg.size() == name.size() + 1 && arg[0] == '-' && arg.substr(1) == name;
}

// An option that takes a value, as "--name VALUE", "--name=VALUE" or their one-dash forms.
// False when args[i] is not that option. Otherwise true, with the value in value (nullopt
// when none follows) and i on the last argument used.
bool ValueOf(const std::vector<std::string>& args, std::size_t& i, std::string_view name,
             std::optional<std::string_view>& value) {
  const std::string_view arg = args[i];
  const std::size_t eq = arg.find('=');
  if (eq != std::string_view::npos && Is(arg.substr(0, eq), name)) {
    value = arg.substr(eq + 1);
    return true;
  }
  if (!Is(arg, name)) return false;
  value = i + 1 < args.size() ? std::optional<std::string_view>(args[++i]) : std::nullopt;
  return true;
}

}  // namespace

DisplayOptions ParseDisplayOptions(const std::vector<std::string>& args,
                                   const std::optional<HostWindowText>& host_window) {
  // A variable set to nothing is as good as unset, as shells treat it.
  const bool have_host_window = host_window && !host_window->text.empty();
  // Lockers start a display mode with no argument and the host window in their environment;
  // without one an empty command line stays the switches' business.
  if (args.empty() && !have_host_window) return {};
  if (!args.empty() && (args[0].empty() || args[0][0] != '-')) return {};

  DisplayOptions o;
  bool root = false;
  std::optional<std::uint32_t> window;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (Is(arg, "help") || Is(arg, "h")) {
      o.action = Action::kHelp;
      return o;
    }
    if (Is(arg, "version")) {
      o.action = Action::kVersion;
      return o;
    }
    if (Is(arg, "root")) {
      root = true;
      continue;
    }
    std::optional<std::string_view> value;
    if (ValueOf(args, i, "window-id", value)) {
      if (!value) return Error("--window-id needs a window id");
      std::uint32_t id = 0;
      const std::string problem = IdProblem(*value, id);
      if (!problem.empty()) return Error("--window-id: " + problem);
      window = id;
      continue;
    }
    if (ValueOf(args, i, "speed", value)) {
      if (!value) return Error("--speed needs fast, medium or slow");
      o.speed = SpeedNamed(*value);
      if (!o.speed) return Error("--speed: " + Quoted(*value) + " is not fast, medium or slow");
      continue;
    }
    if (!arg.empty() && arg[0] == '-') return Error("unknown option " + Quoted(arg));
    return Error("unexpected argument " + Quoted(arg));
  }

  // The daemon's settings dialog previews a mode by adding --window-id to its --root command
  // line: the window named outright is the one meant.
  if (!window && !root && !have_host_window) {
    return Error("no window to draw in: give --root or --window-id ID");
  }
  if (!window && have_host_window) {
    std::uint32_t id = 0;
    const std::string problem = IdProblem(host_window->text, id);
    if (!problem.empty()) return Error(std::string(host_window->source) + ": " + problem);
    window = id;
  }
  o.action = Action::kRun;
  o.window = window;
  return o;
}

std::optional<HostWindowText> SaverWindowFromEnvironment() {
  constexpr std::string_view kVariable = "XSCREENSAVER_WINDOW";
  const char* value = std::getenv(kVariable.data());
  if (!value) return std::nullopt;
  return HostWindowText{kVariable, value};
}

std::string DisplayUsage() {
  return "Usage: corvanta [--root | --window-id ID] [--speed fast|medium|slow]\n"
         "       corvanta /S | /P ID | /C | /A\n"
         "       corvanta --watch-idle [SECONDS] [--enable-at-login | --disable-at-login]\n"
         "\n"
         "Nine pool balls race across the screen.\n"
         "\n"
         "  --root, -root          race in the window named by $XSCREENSAVER_WINDOW, or on\n"
         "                         the root window when it is unset; on a Wayland desktop\n"
         "                         with the layer shell, the backdrop of every output\n"
         "  --window-id ID         race in the X window ID (hex 0x... or decimal)\n"
         "  --speed SPEED          fast, medium or slow for this run; without it, the speed\n"
         "                         saved by the settings dialog (/C)\n"
         "  --help                 this text\n"
         "  --version              the program's version\n"
         "\n"
         "With no argument and $XSCREENSAVER_WINDOW set, as --root.\n"
         "  /S  the show, full screen    /P ID  a still preview in window ID\n"
         "  /C  the settings dialog      /A     (nothing to change: beeps)\n"
         "\n"
         "  --watch-idle [SECONDS] stay running, and each time the desktop has been idle\n"
         "                         for SECONDS run the show (/S); without SECONDS, a minute\n"
         "                         before GNOME blanks the screen, elsewhere 240. No show\n"
         "                         while an application holds idle off (a video, a call)\n"
         "  --enable-at-login      with --watch-idle: start the watch now and at every login\n"
         "  --disable-at-login     with --watch-idle: stop it, now and at login\n";
}

std::string VersionLine() { return std::string("corvanta ") + CORVANTA_VERSION_TEXT; }

}  // namespace corvanta
