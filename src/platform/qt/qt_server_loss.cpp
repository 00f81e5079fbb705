#include "platform/qt/qt_server_loss.h"

#include <unistd.h>
#include <xcb/xcb.h>

#include <QtGlobal>
#include <atomic>

namespace corvanta::qt {
namespace {

std::atomic<xcb_connection_t*> g_watched{nullptr};
// Once Qt has had a connection, only that connection tells.
std::atomic<bool> g_qt_connected{false};
QtMessageHandler g_previous = nullptr;

bool ServerLost(QtMsgType type) {
  if (xcb_connection_t* c = g_watched.load()) return xcb_connection_has_error(c) != 0;
  if (g_qt_connected.load()) return false;
  return type != QtDebugMsg && type != QtInfoMsg && linux_services::DisplayHungUp();
}

void OnMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (ServerLost(type)) _exit(1);
  if (g_previous) g_previous(type, context, message);
}

}  // namespace

xcb_connection_t* ConnectProbe() {
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c) == 0) return c;
  xcb_disconnect(c);
  return nullptr;
}

void LeaveOnServerLoss::Disconnect::operator()(xcb_connection_t* c) const { xcb_disconnect(c); }

LeaveOnServerLoss::LeaveOnServerLoss(xcb_connection_t* probe)
    : probe_(probe), leave_(probe ? xcb_get_file_descriptor(probe) : -1) {
  QtMessageHandler previous = qInstallMessageHandler(OnMessage);
  if (previous != OnMessage) g_previous = previous;
}

ServerLossWatch::ServerLossWatch(xcb_connection_t* connection) {
  g_qt_connected.store(true);
  g_watched.store(connection);
}

ServerLossWatch::~ServerLossWatch() { g_watched.store(nullptr); }

}  // namespace corvanta::qt
