#include "platform/linux/idle/gnome_idle_monitor.h"

#include <cstdint>
#include <string>

namespace corvanta::idle {
namespace {

constexpr const char* kName = "org.gnome.Mutter.IdleMonitor";
constexpr const char* kPath = "/org/gnome/Mutter/IdleMonitor/Core";
constexpr const char* kInterface = "org.gnome.Mutter.IdleMonitor";

class GnomeIdleMonitor final : public IdleSource {
 public:
  GnomeIdleMonitor(GDBusConnection* bus, IdleEvents events)
      : bus_(G_DBUS_CONNECTION(g_object_ref(bus))), events_(std::move(events)) {}

  ~GnomeIdleMonitor() override {
    if (signal_) g_dbus_connection_signal_unsubscribe(bus_, signal_);
    if (name_watch_) g_bus_unwatch_name(name_watch_);
    g_object_unref(bus_);
  }

  bool Start(unsigned delay_ms, std::string& error) override {
    delay_ms_ = delay_ms;
    signal_ = g_dbus_connection_signal_subscribe(bus_, kName, kInterface, "WatchFired", kPath,
                                                 nullptr, G_DBUS_SIGNAL_FLAGS_NONE, OnSignal,
                                                 this, nullptr);
    // mutter gone (or restarted: the watches were its) ends the watch, as a compositor does.
    name_watch_ = g_bus_watch_name_on_connection(bus_, kName, G_BUS_NAME_WATCHER_FLAGS_NONE,
                                                 nullptr, OnVanished, this, nullptr);
    idle_watch_ = AddIdleWatch(delay_ms_, &error);
    return idle_watch_ != 0;
  }

  void Restart() override {
    // Any input from here on brings back the plain delay; then the idle time so far, to which
    // a whole delay is added.
    if (active_watch_ == 0) active_watch_ = Call("AddUserActiveWatch", nullptr, "(u)");
    const std::uint64_t idle_ms = Call("GetIdletime", nullptr, "(t)");
    Remove(idle_watch_);
    idle_watch_ = AddIdleWatch(idle_ms + delay_ms_, nullptr);
  }

  void SetDelay(unsigned delay_ms) override {
    delay_ms_ = delay_ms;
    Remove(active_watch_);
    Remove(idle_watch_);
    idle_watch_ = AddIdleWatch(delay_ms_, nullptr);
  }

  const char* Name() const override { return "GNOME's idle monitor"; }

 private:
  // A call's one number, 0 on failure: 0 is no watch id mutter hands out.
  std::uint64_t Call(const char* method, GVariant* args, const char* reply_type,
                     std::string* error = nullptr) {
    GError* e = nullptr;
    GVariant* reply = g_dbus_connection_call_sync(bus_, kName, kPath, kInterface, method, args,
                                                  G_VARIANT_TYPE(reply_type),
                                                  G_DBUS_CALL_FLAGS_NONE, 5000, nullptr, &e);
    if (!reply) {
      if (error) *error = std::string(method) + ": " + e->message;
      g_error_free(e);
      return 0;
    }
    std::uint64_t value = 0;
    if (reply_type[1] == 't') {
      guint64 t = 0;
      g_variant_get(reply, "(t)", &t);
      value = t;
    } else if (reply_type[1] == 'u') {
      guint32 u = 0;
      g_variant_get(reply, "(u)", &u);
      value = u;
    }
    g_variant_unref(reply);
    return value;
  }

  std::uint32_t AddIdleWatch(std::uint64_t ms, std::string* error) {
    return static_cast<std::uint32_t>(
        Call("AddIdleWatch", g_variant_new("(t)", static_cast<guint64>(ms)), "(u)", error));
  }

  void Remove(std::uint32_t& id) {
    if (id != 0) Call("RemoveWatch", g_variant_new("(u)", id), "()");
    id = 0;
  }

  void Fired(std::uint32_t id) {
    if (id == 0) return;
    if (id == active_watch_) {
      // The user came back after a restart: the plain delay again. A user-active watch
      // fires once and is gone.
      active_watch_ = 0;
      Remove(idle_watch_);
      idle_watch_ = AddIdleWatch(delay_ms_, nullptr);
    } else if (id == idle_watch_) {
      events_.idle();
    }
  }

  static void OnSignal(GDBusConnection*, const char*, const char*, const char*, const char*,
                       GVariant* params, gpointer self) {
    if (!g_variant_is_of_type(params, G_VARIANT_TYPE("(u)"))) return;
    guint32 id = 0;
    g_variant_get(params, "(u)", &id);
    static_cast<GnomeIdleMonitor*>(self)->Fired(id);
  }

  static void OnVanished(GDBusConnection*, const char*, gpointer self) {
    static_cast<GnomeIdleMonitor*>(self)->events_.lost("GNOME's idle monitor has gone");
  }

  GDBusConnection* bus_;
  IdleEvents events_;
  unsigned delay_ms_ = 0;
  guint signal_ = 0;
  guint name_watch_ = 0;
  std::uint32_t idle_watch_ = 0;
  std::uint32_t active_watch_ = 0;
};

}  // namespace

bool GnomeIdleMonitorPresent(GDBusConnection* bus) {
  GVariant* reply = g_dbus_connection_call_sync(
      bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
      "NameHasOwner", g_variant_new("(s)", kName), G_VARIANT_TYPE("(b)"),
      G_DBUS_CALL_FLAGS_NONE, 5000, nullptr, nullptr);
  if (!reply) return false;
  gboolean owned = FALSE;
  g_variant_get(reply, "(b)", &owned);
  g_variant_unref(reply);
  return owned;
}

std::unique_ptr<IdleSource> NewGnomeIdleMonitor(GDBusConnection* bus, IdleEvents events) {
  return std::make_unique<GnomeIdleMonitor>(bus, std::move(events));
}

}  // namespace corvanta::idle
