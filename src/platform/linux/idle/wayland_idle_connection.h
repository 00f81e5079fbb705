#pragma once
// The idle watch's own connection to a Wayland compositor: the seat and the idle protocols it
// offers, and the connection's socket on the GLib main loop. The watch makes no surface.
// Implements: the connection the Wayland idle sources share, on libwayland-client.

#include <wayland-client.h>

#include <functional>
#include <memory>
#include <string>

struct ext_idle_notifier_v1;
struct org_kde_kwin_idle;

namespace corvanta::idle {

class WaylandIdleConnection {
 public:
  // Connects to $WAYLAND_DISPLAY and learns its globals; nullptr when no compositor answers.
  static std::unique_ptr<WaylandIdleConnection> Connect();
  ~WaylandIdleConnection();
  WaylandIdleConnection(const WaylandIdleConnection&) = delete;
  WaylandIdleConnection& operator=(const WaylandIdleConnection&) = delete;

  wl_seat* Seat() const { return seat_; }
  ext_idle_notifier_v1* ExtNotifier() const { return ext_notifier_; }
  org_kde_kwin_idle* KdeIdle() const { return kde_idle_; }

  // From now on the compositor's messages are read on the GLib main loop; lost is told once
  // if the connection breaks.
  void Attach(std::function<void(const std::string&)> lost);
  // Sends what the requests made so far have queued.
  void Flush();

 private:
  WaylandIdleConnection() = default;
  static void Global(void* data, wl_registry* registry, uint32_t name, const char* interface,
                     uint32_t version);
  static void GlobalRemove(void*, wl_registry*, uint32_t) {}
  static int Readable(int fd, unsigned condition, void* self);

  wl_display* display_ = nullptr;
  wl_registry* registry_ = nullptr;
  wl_seat* seat_ = nullptr;
  ext_idle_notifier_v1* ext_notifier_ = nullptr;
  org_kde_kwin_idle* kde_idle_ = nullptr;
  unsigned source_ = 0;
  std::function<void(const std::string&)> lost_;
};

}  // namespace corvanta::idle
