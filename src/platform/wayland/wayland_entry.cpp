#include "platform/wayland/wayland_entry.h"

#include <wayland-client.h>

#include "platform/linux/display_loss.h"
#include "platform/linux/stop_signals.h"
#include "platform/wayland/wayland_backdrop_run.h"
#include "platform/wayland/wayland_globals.h"
#include "platform/wayland/wayland_show_run.h"

namespace corvanta::wayland {

class Connection {
 public:
  explicit Connection(wl_display* display) : display_(display) {
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

std::string LayerShellLacks(Connection& connection) {
  Globals offered(connection.Display(), nullptr);
  wl_display_roundtrip(connection.Display());
  const char* missing = offered.Missing();
  return missing ? missing : "";
}

bool OffersFullScreenWindows(Connection& connection) {
  Globals offered(connection.Display(), nullptr);
  wl_display_roundtrip(connection.Display());
  return offered.OffersFullScreenWindows();
}

int RunShow(ConnectionPtr connection, const std::string& command) {
  linux_services::CatchStopSignals();
  ShowRun show(connection->Display(), command);
  return show.Run();
}

int RunBackdrop(ConnectionPtr connection, std::optional<std::int16_t> speed) {
  linux_services::CatchStopSignals();
  BackdropRun backdrop(connection->Display(), speed);
  return backdrop.Run();
}

}  // namespace corvanta::wayland
