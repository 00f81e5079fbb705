// SIGTERM and SIGINT leave the process running and wake its loop through the descriptor.

#include "platform/linux/stop_signals.h"

#include <gtest/gtest.h>
#include <poll.h>

#include <csignal>
#include <cstdlib>

namespace corvanta::linux_services {
namespace {

bool Readable(int fd) {
  pollfd p{fd, POLLIN, 0};
  return poll(&p, 1, 0) == 1 && (p.revents & POLLIN) != 0;
}

TEST(StopSignals, EachStopSignalWakesTheLoopOnceAndKillsNothing) {
  EXPECT_EXIT(
      {
        if (StopSignalFd() != -1 || TakeStopSignals()) std::exit(3);
        if (!CatchStopSignals() || !CatchStopSignals()) std::exit(4);
        const int fd = StopSignalFd();
        if (fd < 0 || Readable(fd)) std::exit(5);
        for (const int signal : {SIGTERM, SIGINT}) {
          std::raise(signal);
          if (!Readable(fd) || !TakeStopSignals()) std::exit(6);
          if (Readable(fd) || TakeStopSignals()) std::exit(8);
        }
        std::exit(7);
      },
      ::testing::ExitedWithCode(7), "");
}

}  // namespace
}  // namespace corvanta::linux_services
