#include "platform/qt/qt_x11.h"

#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QScreen>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace corvanta::qt::x11 {
namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> Owned(T* reply) {
  return Reply<T>(reply, &std::free);
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  const auto reply = Owned(xcb_intern_atom_reply(
      c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// Checked, so a window that has gone costs an error here rather than one in Qt's queue. Also
// tells a window from a pixmap, which has a geometry too.
Reply<xcb_get_window_attributes_reply_t> Attributes(xcb_connection_t* c, XWindow window) {
  xcb_generic_error_t* error = nullptr;
  auto attrs =
      Owned(xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), &error));
  std::free(error);
  return attrs;
}

bool AddEventMask(XWindow window, std::uint32_t bits) {
  xcb_connection_t* c = Connection();
  if (!c || window == 0) return false;
  const auto attrs = Attributes(c, window);
  if (!attrs) return false;
  const std::uint32_t mask = attrs->your_event_mask | bits;
  xcb_generic_error_t* refused = xcb_request_check(
      c, xcb_change_window_attributes_checked(c, window, XCB_CW_EVENT_MASK, &mask));
  std::free(refused);
  return refused == nullptr;
}

}  // namespace

xcb_connection_t* Connection() {
  auto* app = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return app ? app->connection() : nullptr;
}

std::optional<Size> ClientSize(XWindow window) {
  xcb_connection_t* c = Connection();
  if (!c || window == 0) return std::nullopt;
  if (!Attributes(c, window)) return std::nullopt;
  xcb_generic_error_t* error = nullptr;
  const auto geometry = Owned(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), &error));
  std::free(error);
  if (!geometry) return std::nullopt;
  return Size{geometry->width, geometry->height};
}

MapState StateOf(XWindow window) {
  xcb_connection_t* c = Connection();
  if (!c || window == 0) return MapState::kGone;
  const auto attrs = Attributes(c, window);
  if (!attrs) return MapState::kGone;
  switch (attrs->map_state) {
    case XCB_MAP_STATE_VIEWABLE:
      return MapState::kViewable;
    case XCB_MAP_STATE_UNVIEWABLE:
      return MapState::kUnviewable;
    default:
      return MapState::kUnmapped;
  }
}

bool ServerIsXwayland() {
  // XWayland names its RandR outputs XWAYLAND0, XWAYLAND1, ...; it has no extension of its
  // own to ask for in the releases Debian 12 ships.
  if (!Connection()) return false;
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen->name().startsWith(QLatin1String("XWAYLAND"))) return true;
  }
  return false;
}

void SetOverrideRedirect(XWindow window, bool on) {
  xcb_connection_t* c = Connection();
  if (!c || window == 0) return;
  const std::uint32_t value = on ? 1 : 0;
  xcb_change_window_attributes(c, window, XCB_CW_OVERRIDE_REDIRECT, &value);
}

void RaiseToTop(XWindow window) {
  xcb_connection_t* c = Connection();
  if (!c || window == 0) return;
  const std::uint32_t above = XCB_STACK_MODE_ABOVE;
  xcb_configure_window(c, window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
  xcb_flush(c);
}

void Activate(XWindow window) {
  xcb_connection_t* c = Connection();
  if (!c || window == 0) return;
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = Atom(c, "_NET_ACTIVE_WINDOW");
  message.data.data32[0] = 2;  // the request comes from a pager, which acts for the user
  message.data.data32[1] = XCB_CURRENT_TIME;
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  xcb_send_event(c, 0, root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(c);
}

void SkipTaskbar(XWindow window) {
  xcb_connection_t* c = Connection();
  if (!c || window == 0) return;
  const xcb_atom_t states[] = {Atom(c, "_NET_WM_STATE_SKIP_TASKBAR"),
                               Atom(c, "_NET_WM_STATE_SKIP_PAGER")};
  xcb_change_property(c, XCB_PROP_MODE_APPEND, window, Atom(c, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32,
                      2, states);
}

bool WatchStructure(XWindow window) {
  return AddEventMask(window, XCB_EVENT_MASK_STRUCTURE_NOTIFY);
}

void WatchVisibility(XWindow window) { AddEventMask(window, XCB_EVENT_MASK_VISIBILITY_CHANGE); }

void Flush() {
  if (xcb_connection_t* c = Connection()) xcb_flush(c);
}

}  // namespace corvanta::qt::x11
