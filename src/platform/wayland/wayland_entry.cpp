#include "platform/wayland/wayland_entry.h"

#include <wayland-client.h>

#include <cstring>

#include "platform/linux/display_loss.h"
#include "platform/linux/stop_signals.h"
#include "platform/wayland/wayland_root.h"
#include "platform/wayland/wayland_show_run.h"

namespace corvanta::wayland {

class Connection {
 public:
  explicit Connection(wl_display* display)
      : display_(display) {
    leave_.emplace(wl_display_get_fd(display));
  }
  ~Connection() {
    // Its watch goes while the descriptor it watches is still open.
    leave_.reset();
    wl_display_disconnect(display_);
  }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;
  wl_display* Display() const { return display_; }

 private:
  wl_display* display_;
  std::optional<linux_services::LeaveOnDisplayLoss> leave_;
};

void ConnectionClose::operator()(Connection* connection) const { delete connection; }

ConnectionPtr Connect() {
  wl_display* display = wl_display_connect(nullptr);
  return ConnectionPtr(display ? new Connection(display) : nullptr);
}

namespace {

struct Offered {
  bool layer_shell = false;
  bool compositor = false;
  bool shm = false;
};

void Announced(void* data, wl_registry*, std::uint32_t, const char* interface,
               std::uint32_t version) {
  auto& offered = *static_cast<Offered*>(data);
  if (std::strcmp(interface, "zwlr_layer_shell_v1") == 0) offered.layer_shell = true;
  if (std::strcmp(interface, "wl_compositor") == 0 && version >= 4) offered.compositor = true;
  if (std::strcmp(interface, "wl_shm") == 0) offered.shm = true;
}

void Withdrawn(void*, wl_registry*, std::uint32_t) {}

constexpr wl_registry_listener kProbeListener = {.global = Announced, .global_remove = Withdrawn};

}  // namespace

std::string LayerShellLacks(Connection& connection) {
  Offered offered;
  wl_registry* registry = wl_display_get_registry(connection.Display());
  wl_registry_add_listener(registry, &kProbeListener, &offered);
  wl_display_roundtrip(connection.Display());
  wl_registry_destroy(registry);
  if (!offered.layer_shell) return "layer shell (zwlr_layer_shell_v1)";
  if (!offered.compositor) return "wl_compositor of version 4";
  return offered.shm ? "" : "wl_shm";
}

int RunShow(ConnectionPtr connection, const std::string& command) {
  linux_services::CatchStopSignals();
  ShowRun show(connection->Display(), command);
  return show.Run();
}

int RunBackdrop(ConnectionPtr connection, std::optional<std::int16_t> speed) {
  linux_services::CatchStopSignals();
  return RunBackdropOn(connection->Display(), speed);
}

}  // namespace corvanta::wayland
