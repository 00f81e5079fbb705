#include "platform/linux/wayland_socket.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

namespace corvanta::linux_services {
namespace {

bool Set(const char* value) { return value && *value; }

// Where libwayland-client looks: an absolute name as it is, another in the runtime folder.
std::string SocketPath(const char* name) {
  if (name[0] == '/') return name;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (!Set(runtime)) return "";
  return std::string(runtime) + '/' + name;
}

}  // namespace

bool WaylandCompositorAnswers() {
  if (Set(std::getenv("WAYLAND_SOCKET"))) return true;
  const char* name = std::getenv("WAYLAND_DISPLAY");
  if (!Set(name)) return false;
  const std::string path = SocketPath(name);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.empty() || path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  int rc;
  do {
    rc = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
  } while (rc != 0 && errno == EINTR);
  close(fd);
  return rc == 0;
}

}  // namespace corvanta::linux_services
