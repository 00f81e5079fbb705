#pragma once
// A saver whose X server goes away ends at once with exit code 1, and never with a crash.
// Qt's own way out is exit(1), which destroys Qt's statics while other threads may still use
// them: the font warm-up draws for the first 50 ms of a show, and a server killed in that time
// made it crash on the way out. So once the server is lost, the program leaves with _exit(1)
// before Qt can. Qt always says something before it gives up, and that is where it is caught.
// A server that goes in the middle of Qt's start-up can also make Qt read a reply it never got;
// that crash is turned into the same exit, and every other crash stays a crash, core and all.

struct xcb_connection_t;

namespace corvanta::qt {

// A connection of the program's own to the server on $DISPLAY, kept for the whole run: it
// tells when that very server hangs up. Null when no server answers.
xcb_connection_t* ConnectProbe();

// Made before QApplication, from the probe, which it owns. Also keeps a write to a closed
// server from killing the program by SIGPIPE: the write fails, the connection is marked
// broken, and the program leaves as above. Until Qt has its own connection, a warning or worse
// while the probe shows the server gone leaves too, without a word.
class LeaveOnServerLoss {
 public:
  explicit LeaveOnServerLoss(xcb_connection_t* probe);
  ~LeaveOnServerLoss();
  LeaveOnServerLoss(const LeaveOnServerLoss&) = delete;
  LeaveOnServerLoss& operator=(const LeaveOnServerLoss&) = delete;

 private:
  xcb_connection_t* probe_;
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
