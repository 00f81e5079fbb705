#include "platform/wayland/wayland_show.h"

#include <cctype>

#include "platform/wayland/wayland_session.h"
#include "platform/wayland/wayland_show_run.h"

namespace corvanta::wayland {
namespace {

bool IsShow(const std::string& command) {
  std::string mode = command.substr(0, 2);
  for (char& c : mode) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return mode == "/S";
}

}  // namespace

std::optional<int> ShowOnWayland(const std::string& command) {
  if (!IsShow(command)) return std::nullopt;
  return RunOnWayland<ShowRun>(command);
}

}  // namespace corvanta::wayland
