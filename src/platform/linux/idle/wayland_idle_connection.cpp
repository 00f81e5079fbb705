#include "platform/linux/idle/wayland_idle_connection.h"

#include <glib-unix.h>

#include <cstring>

#include "ext-idle-notify-v1-client-protocol.h"
#include "idle-client-protocol.h"
#include "platform/linux/display_sockets.h"

namespace corvanta::idle {

std::unique_ptr<WaylandIdleConnection> WaylandIdleConnection::Connect() {
  if (!linux_services::WaylandCompositorAnswers()) return nullptr;
  std::unique_ptr<WaylandIdleConnection> c(new WaylandIdleConnection);
  c->display_ = wl_display_connect(nullptr);
  if (!c->display_) return nullptr;
  static const wl_registry_listener listener = {Global, GlobalRemove};
  c->registry_ = wl_display_get_registry(c->display_);
  wl_registry_add_listener(c->registry_, &listener, c.get());
  if (wl_display_roundtrip(c->display_) < 0) return nullptr;
  return c;
}

WaylandIdleConnection::~WaylandIdleConnection() {
  if (source_) g_source_remove(source_);
  if (ext_notifier_) ext_idle_notifier_v1_destroy(ext_notifier_);
  if (kde_idle_) org_kde_kwin_idle_destroy(kde_idle_);
  if (seat_) wl_seat_destroy(seat_);
  if (registry_) wl_registry_destroy(registry_);
  if (display_) wl_display_disconnect(display_);
}

void WaylandIdleConnection::Global(void* data, wl_registry* registry, uint32_t name,
                                   const char* interface, uint32_t) {
  auto* self = static_cast<WaylandIdleConnection*>(data);
  // Idle is counted per seat; a desktop with several counts the first, where its user sits.
  if (std::strcmp(interface, wl_seat_interface.name) == 0 && !self->seat_) {
    self->seat_ = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
  } else if (std::strcmp(interface, ext_idle_notifier_v1_interface.name) == 0) {
    self->ext_notifier_ = static_cast<ext_idle_notifier_v1*>(
        wl_registry_bind(registry, name, &ext_idle_notifier_v1_interface, 1));
  } else if (std::strcmp(interface, org_kde_kwin_idle_interface.name) == 0) {
    self->kde_idle_ = static_cast<org_kde_kwin_idle*>(
        wl_registry_bind(registry, name, &org_kde_kwin_idle_interface, 1));
  }
}

void WaylandIdleConnection::Attach(std::function<void(const std::string&)> lost) {
  lost_ = std::move(lost);
  Flush();
  source_ = g_unix_fd_add(wl_display_get_fd(display_),
                          static_cast<GIOCondition>(G_IO_IN | G_IO_HUP | G_IO_ERR),
                          reinterpret_cast<GUnixFDSourceFunc>(Readable), this);
}

void WaylandIdleConnection::Flush() { wl_display_flush(display_); }

int WaylandIdleConnection::Readable(int, unsigned, void* data) {
  auto* self = static_cast<WaylandIdleConnection*>(data);
  // Handlers may send requests (a restart); what they queue goes out before the next wait.
  if (wl_display_dispatch(self->display_) < 0) {
    self->source_ = 0;
    self->lost_("the Wayland compositor has gone");
    return G_SOURCE_REMOVE;
  }
  self->Flush();
  return G_SOURCE_CONTINUE;
}

}  // namespace corvanta::idle
