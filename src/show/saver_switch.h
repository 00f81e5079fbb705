#pragma once
// The screen-saver switch a command line starts with, read one way for everyone: the show's
// start-up and any program entry that must decide where the show can run.

#include <string>
#include <string_view>

namespace corvanta {

enum class SaverSwitch { kShow, kPreview, kSettings, kBeep, kNone };

// The first two characters, upper-cased; nothing is trimmed first, so " /s" is no switch.
std::string SwitchText(std::string_view command);
SaverSwitch SwitchOf(std::string_view command);

}  // namespace corvanta
