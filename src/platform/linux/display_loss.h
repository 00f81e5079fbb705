#pragma once
// A saver whose display server (the X server, the Wayland compositor) goes away ends with
// exit code 1, and never with a crash or a core. A toolkit or protocol library that loses its
// server in the middle of start-up may read a reply it never got and crash; while the server
// is seen gone, that crash becomes the same exit 1. Every other crash stays a crash.
// Implements: the process-level half of that, on the connection's socket; each backend adds
// whatever its own library says when it loses the server. Depends on: POSIX signals only.

namespace corvanta::linux_services {

// Made first thing with a descriptor of the program's connection to the server, which it does
// not own and which must stay open while it lives (-1: no connection). Also ignores SIGPIPE,
// so a write to a server that hung up fails rather than killing the program. The crash
// handlers stay when it goes; with no connection to ask they let every crash pass.
class LeaveOnDisplayLoss {
 public:
  explicit LeaveOnDisplayLoss(int connection_fd);
  ~LeaveOnDisplayLoss();
  LeaveOnDisplayLoss(const LeaveOnDisplayLoss&) = delete;
  LeaveOnDisplayLoss& operator=(const LeaveOnDisplayLoss&) = delete;
};

// True when the server of the live LeaveOnDisplayLoss has hung up. Safe in a signal handler
// and on any thread. The server is never expected to have sent something unread: it only
// peeks, so the connection's own reader loses nothing.
bool DisplayHungUp();

}  // namespace corvanta::linux_services
