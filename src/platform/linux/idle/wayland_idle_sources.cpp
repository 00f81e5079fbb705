#include "platform/linux/idle/wayland_idle_sources.h"

#include "ext-idle-notify-v1-client-protocol.h"
#include "idle-client-protocol.h"

namespace corvanta::idle {
namespace {

// What the two protocols share: an object per delay that says "idle" once per stretch without
// input. A new object counts a whole delay from its making, which is how a restart is done.
class WaylandIdleSource : public IdleSource {
 public:
  WaylandIdleSource(std::unique_ptr<WaylandIdleConnection> connection, IdleEvents events)
      : connection_(std::move(connection)), events_(std::move(events)) {}

  bool Start(unsigned delay_ms, std::string&) override {
    delay_ms_ = delay_ms;
    Make(delay_ms_);
    connection_->Attach(events_.lost);
    return true;
  }

  void Restart() override {
    Drop();
    Make(delay_ms_);
    connection_->Flush();
  }

  void SetDelay(unsigned delay_ms) override {
    delay_ms_ = delay_ms;
    Restart();
  }

 protected:
  virtual void Make(unsigned delay_ms) = 0;
  virtual void Drop() = 0;
  void Idle() { events_.idle(); }

  std::unique_ptr<WaylandIdleConnection> connection_;

 private:
  IdleEvents events_;
  unsigned delay_ms_ = 0;
};

class ExtIdleSource final : public WaylandIdleSource {
 public:
  using WaylandIdleSource::WaylandIdleSource;
  ~ExtIdleSource() override { Drop(); }
  const char* Name() const override { return "ext-idle-notify-v1"; }

 private:
  void Make(unsigned delay_ms) override {
    static const ext_idle_notification_v1_listener listener = {
        [](void* self, ext_idle_notification_v1*) { static_cast<ExtIdleSource*>(self)->Idle(); },
        [](void*, ext_idle_notification_v1*) {}};
    notification_ = ext_idle_notifier_v1_get_idle_notification(connection_->ExtNotifier(),
                                                                 delay_ms, connection_->Seat());
    ext_idle_notification_v1_add_listener(notification_, &listener, this);
  }
  void Drop() override {
    if (notification_) ext_idle_notification_v1_destroy(notification_);
    notification_ = nullptr;
  }
  ext_idle_notification_v1* notification_ = nullptr;
};

class KdeIdleSource final : public WaylandIdleSource {
 public:
  using WaylandIdleSource::WaylandIdleSource;
  ~KdeIdleSource() override { Drop(); }
  const char* Name() const override { return "org_kde_kwin_idle"; }

 private:
  void Make(unsigned delay_ms) override {
    static const org_kde_kwin_idle_timeout_listener listener = {
        [](void* self, org_kde_kwin_idle_timeout*) { static_cast<KdeIdleSource*>(self)->Idle(); },
        [](void*, org_kde_kwin_idle_timeout*) {}};
    timeout_ = org_kde_kwin_idle_get_idle_timeout(connection_->KdeIdle(), connection_->Seat(),
                                                  delay_ms);
    org_kde_kwin_idle_timeout_add_listener(timeout_, &listener, this);
  }
  void Drop() override {
    if (timeout_) org_kde_kwin_idle_timeout_release(timeout_);
    timeout_ = nullptr;
  }
  org_kde_kwin_idle_timeout* timeout_ = nullptr;
};

}  // namespace

std::unique_ptr<IdleSource> NewWaylandIdleSource(std::unique_ptr<WaylandIdleConnection> connection,
                                                 IdleEvents events) {
  if (!connection || !connection->Seat()) return nullptr;
  if (connection->ExtNotifier()) {
    return std::make_unique<ExtIdleSource>(std::move(connection), std::move(events));
  }
  if (connection->KdeIdle()) {
    return std::make_unique<KdeIdleSource>(std::move(connection), std::move(events));
  }
  return nullptr;
}

}  // namespace corvanta::idle
