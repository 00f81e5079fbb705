#include "platform/linux/display_sockets.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/linux/environment.h"

namespace corvanta::linux_services {
namespace {

// Where libwayland-client looks: an absolute name as it is, another in the runtime folder.
std::string WaylandSocketPath(const char* name) {
  if (name[0] == '/') return name;
  if (!EnvironmentSet("XDG_RUNTIME_DIR")) return "";
  return std::string(std::getenv("XDG_RUNTIME_DIR")) + '/' + name;
}

// An abstract address starts with a zero byte, which the length passed along counts.
bool Connects(const std::string& path, bool abstract) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::size_t offset = abstract ? 1 : 0;
  if (path.empty() || path.size() + offset >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path + offset, path.data(), path.size());
  const auto length =
      static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size() + (abstract ? 0 : 1));
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  int rc;
  do {
    rc = connect(fd, reinterpret_cast<const sockaddr*>(&address), length);
  } while (rc != 0 && errno == EINTR);
  close(fd);
  return rc == 0;
}

}  // namespace

bool WaylandCompositorAnswers() {
  if (EnvironmentSet("WAYLAND_SOCKET")) return true;
  if (!EnvironmentSet("WAYLAND_DISPLAY")) return false;
  return Connects(WaylandSocketPath(std::getenv("WAYLAND_DISPLAY")), false);
}

bool XServerAnswers() {
  if (!EnvironmentSet("DISPLAY")) return false;
  const std::string display = std::getenv("DISPLAY");
  const std::size_t colon = display.rfind(':');
  if (colon == std::string::npos) return false;
  const std::string host = display.substr(0, colon);
  if (!host.empty() && host != "unix") return true;
  std::string number;
  for (std::size_t i = colon + 1; i < display.size() && std::isdigit(static_cast<unsigned char>(display[i])); ++i) {
    number += display[i];
  }
  if (number.empty()) return false;
  // Servers listen on both; a sandbox may have only one of them.
  const std::string path = "/tmp/.X11-unix/X" + number;
  return Connects(path, true) || Connects(path, false);
}

}  // namespace corvanta::linux_services
