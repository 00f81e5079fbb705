// Losing the X server ends the program at once with exit code 1, before Qt's own exit() can
// tear its statics down under threads still drawing, when Qt says so. Each case runs in a child
// process: the handler it installs is process-wide.

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QtGlobal>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "child_exit.h"
#include "platform/qt/qt_server_loss.h"

namespace corvanta::qt {
namespace {

using testing_support::ExpectChildEnds;
using testing_support::kBodyReturned;

// An X server that is the far ends of socket pairs: it accepts each client with the smallest
// setup there is (no screens, no formats) and then never speaks again.
class FakeServer {
 public:
  ~FakeServer() { GoAway(); }

  xcb_connection_t* Connect() {
    int fds[2];
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, fds) != 0) std::abort();
    std::thread accept([end = fds[1]] {
      unsigned char greeting[12];
      if (recv(end, greeting, sizeof greeting, MSG_WAITALL) != sizeof greeting) return;
      unsigned char setup[40] = {};
      setup[0] = 1;                                          // success
      setup[2] = 11;                                         // protocol 11.0
      setup[6] = 8;                                          // 32 more bytes, in units of four
      setup[16] = 0xff, setup[17] = 0xff, setup[18] = 0x1f;  // resource id mask
      setup[26] = 0xff, setup[27] = 0xff;                    // maximum request length
      if (write(end, setup, sizeof setup) != sizeof setup) std::abort();
    });
    xcb_connection_t* c = xcb_connect_to_fd(fds[0], nullptr);
    accept.join();
    ends_.push_back(fds[1]);
    return c;
  }

  // Hangs up on every client. A client learns it on its next write, as the show does on its
  // next tick.
  void GoAway() {
    for (int end : ends_) close(end);
    ends_.clear();
  }

 private:
  std::vector<int> ends_;
};

// What the show's next tick does: a request, flushed.
bool WriteFails(xcb_connection_t* c) {
  xcb_get_input_focus(c);
  xcb_flush(c);
  return xcb_connection_has_error(c) != 0;
}

class ServerLoss : public ::testing::Test {
 protected:
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

// The program's probe and Qt's own connection, both to one server that then goes away.
TEST_F(ServerLoss, AWarningOnceQtsConnectionBrokeEndsTheProgramWithExitCode1) {
  ExpectChildEnds(
      1,
      [] {
        FakeServer server;
        const LeaveOnServerLoss leave(server.Connect());
        xcb_connection_t* qt = server.Connect();
        const ServerLossWatch watch(qt);
        qWarning("a warning while the server is there");
        server.GoAway();
        if (!WriteFails(qt)) std::exit(3);
        qWarning("The X11 connection broke");
      },
      "a warning while the server is there");
}

TEST_F(ServerLoss, BeforeQtHasAConnectionTheProbeTells) {
  ExpectChildEnds(
      1,
      [] {
        FakeServer server;
        const LeaveOnServerLoss leave(server.Connect());
        qWarning("a warning while the server is there");
        server.GoAway();
        qDebug("debug output never asks for the server");
        qWarning("Could not load the Qt platform plugin");
      },
      "server is there.*\n.*debug output never asks");
}

TEST_F(ServerLoss, OnceQtIsDoneWithItsConnectionMessagesPassOn) {
  ExpectChildEnds(
      kBodyReturned,
      [] {
        FakeServer server;
        const LeaveOnServerLoss leave(server.Connect());
        xcb_connection_t* qt = server.Connect();
        { const ServerLossWatch watch(qt); }
        server.GoAway();
        if (!WriteFails(qt)) std::exit(3);
        qWarning("passed on");
        // The body returns, so what it opened is closed, or the leak checker ends the child.
        xcb_disconnect(qt);
      },
      "passed on");
}

// Qt's start-up reads replies without checking them; when the server goes in the middle, it
// crashes. The probe is what the shared crash handler asks (tests/linux/display_loss_test.cpp
// has the rest of its cases, SIGPIPE among them).
TEST_F(ServerLoss, ACrashAfterTheProbesServerHungUpEndsWithExitCode1) {
  ExpectChildEnds(1, [] {
    FakeServer server;
    const LeaveOnServerLoss leave(server.Connect());
    server.GoAway();
    std::raise(SIGSEGV);
  });
}

}  // namespace
}  // namespace corvanta::qt
