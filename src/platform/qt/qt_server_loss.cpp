#include "platform/qt/qt_server_loss.h"

#include <unistd.h>
#include <xcb/xcb.h>

#include <QtGlobal>
#include <atomic>
#include <csignal>

namespace corvanta::qt {
namespace {

std::atomic<xcb_connection_t*> g_watched{nullptr};
// Once Qt has had a connection, only that connection tells.
std::atomic<bool> g_qt_connected{false};
QtMessageHandler g_previous = nullptr;

bool ServerLost(QtMsgType type) {
  if (xcb_connection_t* c = g_watched.load()) return xcb_connection_has_error(c) != 0;
  if (g_qt_connected.load()) return false;
  // Before Qt has its connection, a server lost in the middle of Qt's start-up shows as a
  // warning about what Qt could not set up, then a fatal message; it is asked directly.
  return type != QtDebugMsg && type != QtInfoMsg && !XServerReachable();
}

void OnMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (ServerLost(type)) _exit(1);
  if (g_previous) g_previous(type, context, message);
}

}  // namespace

bool XServerReachable() {
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  const bool ok = xcb_connection_has_error(c) == 0;
  xcb_disconnect(c);
  return ok;
}

void LeaveOnServerLoss() {
  std::signal(SIGPIPE, SIG_IGN);
  QtMessageHandler previous = qInstallMessageHandler(OnMessage);
  if (previous != OnMessage) g_previous = previous;
}

ServerLossWatch::ServerLossWatch(xcb_connection_t* connection) {
  g_qt_connected.store(true);
  g_watched.store(connection);
}

ServerLossWatch::~ServerLossWatch() { g_watched.store(nullptr); }

}  // namespace corvanta::qt
