#include "platform/linux/display_loss.h"

#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>

namespace corvanta::linux_services {
namespace {

std::atomic<int> g_connection_fd{-1};  // read by the crash handler, on any thread
struct sigaction g_crash_before[2];
constexpr int kCrashSignals[2] = {SIGSEGV, SIGBUS};

void OnCrash(int signal) {
  if (DisplayHungUp()) _exit(1);
  // Whatever handled the signal before (the default: a core) gets the fault when it repeats.
  for (int i = 0; i < 2; ++i) {
    if (kCrashSignals[i] == signal) sigaction(signal, &g_crash_before[i], nullptr);
  }
}

}  // namespace

// Only calls that are safe in a signal handler. The end of the stream, or an error, is the
// server gone; a local and a remote connection read alike.
bool DisplayHungUp() {
  const int fd = g_connection_fd.load();
  if (fd < 0) return false;
  const int saved = errno;
  char byte;
  const ssize_t got = recv(fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT);
  const bool gone =
      got == 0 || (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR);
  errno = saved;
  return gone;
}

LeaveOnDisplayLoss::LeaveOnDisplayLoss(int connection_fd) {
  std::signal(SIGPIPE, SIG_IGN);
  g_connection_fd.store(connection_fd);
  struct sigaction action {};
  action.sa_handler = OnCrash;
  sigemptyset(&action.sa_mask);
  for (int i = 0; i < 2; ++i) sigaction(kCrashSignals[i], &action, &g_crash_before[i]);
}

LeaveOnDisplayLoss::~LeaveOnDisplayLoss() { g_connection_fd.store(-1); }

}  // namespace corvanta::linux_services
