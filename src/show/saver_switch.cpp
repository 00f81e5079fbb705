#include "show/saver_switch.h"

#include <cctype>

namespace corvanta {

std::string SwitchText(std::string_view command) {
  std::string text(command.substr(0, 2));
  for (char& ch : text) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return text;
}

SaverSwitch SwitchOf(std::string_view command) {
  const std::string text = SwitchText(command);
  if (text == "/S") return SaverSwitch::kShow;
  if (text == "/P") return SaverSwitch::kPreview;
  if (text == "/C") return SaverSwitch::kSettings;
  if (text == "/A") return SaverSwitch::kBeep;
  return SaverSwitch::kNone;
}

}  // namespace corvanta
