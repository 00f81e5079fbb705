#pragma once
// A saver whose X server goes away ends at once with exit code 1, and never with a crash.
// Qt's own way out is exit(1), which destroys Qt's statics while other threads may still use
// them: the font warm-up draws for the first 50 ms of a show, and a server killed in that time
// made it crash on the way out. So once the server is lost, the program leaves with _exit(1)
// before Qt can. Qt always says something before it gives up, and that is where it is caught.
// The crash in the middle of Qt's start-up, SIGPIPE and the hang-up test on the probe's socket
// are the shared Linux part (platform/linux/display_loss.h); this adds Qt's messages.

#include <memory>

#include "platform/linux/display_loss.h"

struct xcb_connection_t;

namespace corvanta::qt {

// A connection of the program's own to the server on $DISPLAY, kept for the whole run: it
// tells when that very server hangs up. Null when no server answers.
xcb_connection_t* ConnectProbe();

// Made before QApplication, from the probe, which it owns. Until Qt has its own connection, a
// warning or worse while the probe shows the server gone leaves too, without a word.
class LeaveOnServerLoss {
 public:
  explicit LeaveOnServerLoss(xcb_connection_t* probe);
  LeaveOnServerLoss(const LeaveOnServerLoss&) = delete;
  LeaveOnServerLoss& operator=(const LeaveOnServerLoss&) = delete;

 private:
  struct Disconnect {
    void operator()(xcb_connection_t* c) const;
  };
  // Declared in this order so the crash handler forgets the probe's socket before it closes.
  std::unique_ptr<xcb_connection_t, Disconnect> probe_;
  linux_services::LeaveOnDisplayLoss leave_;
};

// Declared after the QApplication: while it lives, any message Qt gives once this connection
// has broken ends the program. It lets go of the connection before Qt frees it, and from then
// on messages pass on untouched.
class ServerLossWatch {
 public:
  explicit ServerLossWatch(xcb_connection_t* connection);
  ~ServerLossWatch();
  ServerLossWatch(const ServerLossWatch&) = delete;
  ServerLossWatch& operator=(const ServerLossWatch&) = delete;
};

}  // namespace corvanta::qt
