#pragma once
// The Linux program's own command line, beside the screen-saver switches: the display mode, the
// way screen-saver daemons and screen lockers start a program to draw in a host window they
// hand it, and --help and --version. Switches of the "/S" family are not read here; a command
// line that is not a display mode's is left to them untouched. What a window id names is the
// business of the backend that owns the window system.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvanta {

struct DisplayOptions {
  enum class Action { kNotDisplayMode, kRun, kHelp, kVersion, kError };
  Action action = Action::kNotDisplayMode;
  // kRun: the id of the host window to draw in; nullopt when none is named ("--root" alone),
  // which leaves the choice to the backend: the whole screen, its root window on X.
  std::optional<std::uint32_t> window;
  // This run's speed (kSpeedFast, kSpeedMedium or kSpeedSlow); nullopt keeps the stored one.
  std::optional<std::int16_t> speed;
  std::string error;  // kError: one line naming the problem
};

// A host window named outside the command line, as some hosts do in their environment: the
// text as the host gave it, and the name it came under, which a message about it starts with.
struct HostWindowText {
  std::string_view source;
  std::string text;
};

// args are the arguments after the program's name; host_window is the host window the
// environment names, nullopt when it names none.
DisplayOptions ParseDisplayOptions(const std::vector<std::string>& args,
                                   const std::optional<HostWindowText>& host_window);

// The X window the screen-saver daemon, and lockers that follow it, name in
// $XSCREENSAVER_WINDOW; nullopt when the variable is unset.
std::optional<HostWindowText> SaverWindowFromEnvironment();

std::string DisplayUsage();
// "corvanta" and the version, as --version prints it.
std::string VersionLine();

}  // namespace corvanta
