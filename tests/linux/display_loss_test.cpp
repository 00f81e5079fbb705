// Losing the display server ends the program with exit code 1, never with a core; any other
// crash stays a crash. The server here is the far end of a socket pair that hangs up. Each
// case runs in a child process: the handlers it installs are process-wide.

#include "platform/linux/display_loss.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>

#include "child_exit.h"

namespace corvanta::linux_services {
namespace {

using testing_support::ExpectChildEnds;
using testing_support::kBodyReturned;

// The program's end and the server's end of one connection.
struct Connection {
  Connection() {
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0) std::abort();
  }
  ~Connection() {
    close(fds[0]);
    HangUp();
  }
  int Ours() const { return fds[0]; }
  void HangUp() {
    if (fds[1] >= 0) close(fds[1]);
    fds[1] = -1;
  }
  int fds[2];
};

// What handled a crash before the program watched its server: it ends the process with 42.
void CrashesExitWith42() {
  struct sigaction before {};
  before.sa_handler = [](int) { _exit(42); };
  sigaction(SIGSEGV, &before, nullptr);
}

class DisplayLoss : public ::testing::Test {
 protected:
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(DisplayLoss, TheServerIsGoneOnlyOnceItHungUpAndOnlyWhileWatched) {
  Connection server;
  EXPECT_FALSE(DisplayHungUp()) << "nothing watched";
  {
    const LeaveOnDisplayLoss leave(server.Ours());
    EXPECT_FALSE(DisplayHungUp());
    ASSERT_EQ(write(server.fds[1], "e", 1), 1);
    EXPECT_FALSE(DisplayHungUp()) << "a server that speaks is there";
    char byte;
    ASSERT_EQ(read(server.Ours(), &byte, 1), 1) << "the peek left the byte for the reader";
    server.HangUp();
    EXPECT_TRUE(DisplayHungUp());
  }
  EXPECT_FALSE(DisplayHungUp()) << "a descriptor no longer watched is never asked";
}

// A server that goes between a poll and a write raises SIGPIPE; the write must fail instead.
TEST_F(DisplayLoss, AWriteToAServerThatWentAwayDoesNotKillTheProgram) {
  ExpectChildEnds(kBodyReturned, [] {
    Connection server;
    const LeaveOnDisplayLoss leave(server.Ours());
    server.HangUp();
    const ssize_t wrote = write(server.Ours(), "x", 1);
    if (wrote >= 0 || errno != EPIPE) std::exit(3);
  });
}

// Libraries read replies without checking them; when the server goes in the middle, they
// crash. Any other crash goes on to whatever handled it before.
TEST_F(DisplayLoss, ACrashAfterTheServerHungUpEndsWithExitCode1AndNoOtherCrashDoes) {
  ExpectChildEnds(1, [] {
    Connection server;
    const LeaveOnDisplayLoss leave(server.Ours());
    server.HangUp();
    std::raise(SIGBUS);
  });
  ExpectChildEnds(42, [] {
    CrashesExitWith42();
    Connection server;
    const LeaveOnDisplayLoss leave(server.Ours());
    std::raise(SIGSEGV);
    std::raise(SIGSEGV);
  });
  SCOPED_TRACE("once nothing is watched, a crash goes on as a crash");
  ExpectChildEnds(42, [] {
    CrashesExitWith42();
    Connection server;
    { const LeaveOnDisplayLoss leave(server.Ours()); }
    server.HangUp();
    std::raise(SIGSEGV);  // as a real fault does, it comes again on return
    std::raise(SIGSEGV);
  });
}

}  // namespace
}  // namespace corvanta::linux_services
