#pragma once
// A saver whose X server goes away ends at once with exit code 1, and never with a crash.
// Qt's own way out is exit(1), which destroys Qt's statics while other threads may still use
// them: the font warm-up draws for the first 50 ms of a show, and a server killed in that time
// made it crash on the way out. So once the server is lost, the program leaves with _exit(1)
// before Qt can. Qt always says something before it gives up, and that is where it is caught.

struct xcb_connection_t;

namespace corvanta::qt {

// Whether an X server answers on $DISPLAY, asked on a connection of its own.
bool XServerReachable();

// Call before QApplication. Also keeps a write to a closed server from killing the program by
// SIGPIPE: the write fails, the connection is marked broken, and the program leaves as above.
// A warning or fatal message while no server can be reached (it went away during start-up)
// leaves too, without a word.
void LeaveOnServerLoss();

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
