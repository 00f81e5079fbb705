#include "platform/qt/qt_platform_choice.h"

#include <cctype>
#include <cstdlib>

#include "platform/linux/wayland_socket.h"

namespace corvanta::qt {
namespace {

// The switch as the show reads it: the first two characters, upper-cased, nothing trimmed.
std::string Switch(const std::string& command) {
  std::string mode = command.substr(0, 2);
  for (char& c : mode) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return mode;
}

bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

}  // namespace

std::optional<std::string> QtPlatformFor(bool display_mode, const std::string& command,
                                         Session session) {
  if (display_mode) return "xcb";
  const std::string mode = Switch(command);
  if (mode == "/C" && session.wayland) return "wayland";
  if (mode == "/P" && session.wayland && !session.x) return std::nullopt;
  return "xcb";
}

Session CurrentSession() { return {linux_services::WaylandCompositorAnswers(), Set("DISPLAY")}; }

}  // namespace corvanta::qt
