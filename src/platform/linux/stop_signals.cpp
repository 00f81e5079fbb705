#include "platform/linux/stop_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace corvanta::linux_services {
namespace {

int g_stop_pipe[2] = {-1, -1};

// Only write(2) here: it is safe in a signal handler, and the loop does the rest.
extern "C" void OnStopSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = write(g_stop_pipe[1], &byte, 1);
  errno = saved;
}

}  // namespace

bool CatchStopSignals() {
  if (g_stop_pipe[0] >= 0) return true;
  if (pipe2(g_stop_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return false;
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  return true;
}

int StopSignalFd() { return g_stop_pipe[0]; }

bool TakeStopSignals() {
  if (g_stop_pipe[0] < 0) return false;
  bool any = false;
  char buffer[16];
  while (read(g_stop_pipe[0], buffer, sizeof buffer) > 0) any = true;
  return any;
}

}  // namespace corvanta::linux_services
