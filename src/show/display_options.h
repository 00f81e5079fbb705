#pragma once
// The command line of a display mode: the way X screen-saver daemons and screen lockers start a
// program to draw in a window they hand it. Switches of the "/S" family are not read here; a
// command line that is not a display mode's is left to them untouched.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>


namespace corvanta {

struct DisplayOptions {
  enum class Action { kNotDisplayMode, kRun, kHelp, kVersion, kError };
  Action action = Action::kNotDisplayMode;
  // kRun: the X window to draw in; nullopt means the root window.
  std::optional<std::uint32_t> window;
  // This run's speed (0 fast, 1 medium, 2 slow); nullopt keeps the stored one.
  std::optional<std::int16_t> speed;
  std::string error;  // kError: one line naming the problem
};

// args are the arguments after the program's name; saver_window is $XSCREENSAVER_WINDOW, or
// nullopt when unset.
DisplayOptions ParseDisplayOptions(const std::vector<std::string>& args,
                                   const std::optional<std::string>& saver_window);

std::string DisplayUsage();
// "corvanta" and the version, as --version prints it.
std::string VersionLine();

}  // namespace corvanta
