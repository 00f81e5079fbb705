#include "platform/qt/qt_server_loss.h"

#include <sys/socket.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QtGlobal>
#include <atomic>
#include <cerrno>
#include <csignal>

namespace corvanta::qt {
namespace {

std::atomic<xcb_connection_t*> g_watched{nullptr};
// Once Qt has had a connection, only that connection tells.
std::atomic<bool> g_qt_connected{false};
QtMessageHandler g_previous = nullptr;
std::atomic<int> g_probe_fd{-1};  // read by the crash handler, on any thread
struct sigaction g_crash_before[2];
constexpr int kCrashSignals[2] = {SIGSEGV, SIGBUS};

// Only calls that are safe in a signal handler: it is also asked from one. The server never
// speaks on the probe, so the end of its stream, or an error, is the server gone; a local and
// a remote connection read alike.
bool ProbeHungUp() {
  const int fd = g_probe_fd.load();
  if (fd < 0) return false;
  const int saved = errno;
  char byte;
  const ssize_t got = recv(fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT);
  const bool gone =
      got == 0 || (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR);
  errno = saved;
  return gone;
}

bool ServerLost(QtMsgType type) {
  if (xcb_connection_t* c = g_watched.load()) return xcb_connection_has_error(c) != 0;
  if (g_qt_connected.load()) return false;
  return type != QtDebugMsg && type != QtInfoMsg && ProbeHungUp();
}

void OnMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (ServerLost(type)) _exit(1);
  if (g_previous) g_previous(type, context, message);
}

void OnCrash(int signal) {
  if (ProbeHungUp()) _exit(1);
  // Whatever handled the signal before (the default: a core) gets the fault when it repeats.
  for (int i = 0; i < 2; ++i) {
    if (kCrashSignals[i] == signal) sigaction(signal, &g_crash_before[i], nullptr);
  }
}

}  // namespace

xcb_connection_t* ConnectProbe() {
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c) == 0) return c;
  xcb_disconnect(c);
  return nullptr;
}

LeaveOnServerLoss::LeaveOnServerLoss(xcb_connection_t* probe) : probe_(probe) {
  std::signal(SIGPIPE, SIG_IGN);
  g_probe_fd.store(probe ? xcb_get_file_descriptor(probe) : -1);
  QtMessageHandler previous = qInstallMessageHandler(OnMessage);
  if (previous != OnMessage) g_previous = previous;
  struct sigaction action {};
  action.sa_handler = OnCrash;
  sigemptyset(&action.sa_mask);
  for (int i = 0; i < 2; ++i) sigaction(kCrashSignals[i], &action, &g_crash_before[i]);
}

// The handlers stay: with no probe they let everything pass.
LeaveOnServerLoss::~LeaveOnServerLoss() {
  g_probe_fd.store(-1);
  if (probe_) xcb_disconnect(probe_);
}

ServerLossWatch::ServerLossWatch(xcb_connection_t* connection) {
  g_qt_connected.store(true);
  g_watched.store(connection);
}

ServerLossWatch::~ServerLossWatch() { g_watched.store(nullptr); }

}  // namespace corvanta::qt
