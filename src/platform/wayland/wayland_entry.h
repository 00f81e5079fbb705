#pragma once
// The Wayland backend's doors, for the Linux program's entry: a connection the entry opens once
// to learn what the compositor offers, and the runs that take it over.
// Implements: the show (a race window on one output, black covers on the others, any input
//   ends it) on the wlr layer shell or, without it, as full-screen xdg-shell windows, and the
//   backdrop (a race on every output, under everything, taking no input) on the layer shell; both end on SIGTERM and SIGINT (exit 0) and when the compositor goes
//   (exit 1).
// Depends on: libwayland-client and the compositor's globals; no toolkit.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace corvanta::wayland {

class Connection;
struct ConnectionClose {
  void operator()(Connection* connection) const;
};
using ConnectionPtr = std::unique_ptr<Connection, ConnectionClose>;

// A connection to the compositor $WAYLAND_SOCKET or $WAYLAND_DISPLAY names; null when none
// answers. From here on, the compositor's going ends the program with exit code 1.
ConnectionPtr Connect();

// What the layer-shell show and backdrop need and the compositor lacks, as the refusal names
// it; empty when it offers everything. One round trip.
std::string LayerShellLacks(Connection& connection);

// Whether the compositor offers what the show needs to run as full-screen windows where it
// has no layer shell (xdg-shell). One round trip.
bool OffersFullScreenWindows(Connection& connection);

// The run's exit code.
int RunShow(ConnectionPtr connection, const std::string& command);
// speed: this run's ball speed; nullopt keeps the stored one.
int RunBackdrop(ConnectionPtr connection, std::optional<std::int16_t> speed);

}  // namespace corvanta::wayland
