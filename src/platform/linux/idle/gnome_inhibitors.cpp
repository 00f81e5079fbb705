#include "platform/linux/idle/gnome_inhibitors.h"

namespace corvanta::idle {
namespace {

constexpr const char* kName = "org.gnome.SessionManager";
constexpr const char* kPath = "/org/gnome/SessionManager";
// The session manager's flag for "do not treat the session as idle".
constexpr guint32 kInhibitIdle = 8;

}  // namespace

GnomeInhibitors::GnomeInhibitors(GDBusConnection* bus, std::function<void(bool)> changed)
    : bus_(G_DBUS_CONNECTION(g_object_ref(bus))),
      changed_(std::move(changed)),
      cancel_(g_cancellable_new()) {
  added_ = g_dbus_connection_signal_subscribe(bus_, kName, kName, "InhibitorAdded", kPath,
                                              nullptr, G_DBUS_SIGNAL_FLAGS_NONE, OnSignal, this,
                                              nullptr);
  removed_ = g_dbus_connection_signal_subscribe(bus_, kName, kName, "InhibitorRemoved", kPath,
                                                nullptr, G_DBUS_SIGNAL_FLAGS_NONE, OnSignal,
                                                this, nullptr);
  name_watch_ = g_bus_watch_name_on_connection(bus_, kName, G_BUS_NAME_WATCHER_FLAGS_NONE,
                                               OnAppeared, OnVanished, this, nullptr);
  // Whether the session is inhibited right at the start, before the loop runs: a show must
  // not come first and be undone after.
  GVariant* reply = g_dbus_connection_call_sync(bus_, kName, kPath, kName, "IsInhibited",
                                                g_variant_new("(u)", kInhibitIdle),
                                                G_VARIANT_TYPE("(b)"), G_DBUS_CALL_FLAGS_NONE,
                                                2000, nullptr, nullptr);
  if (reply) {
    gboolean inhibited = FALSE;
    g_variant_get(reply, "(b)", &inhibited);
    inhibited_ = inhibited;
    g_variant_unref(reply);
  }
}

GnomeInhibitors::~GnomeInhibitors() {
  g_cancellable_cancel(cancel_);
  g_object_unref(cancel_);
  g_bus_unwatch_name(name_watch_);
  g_dbus_connection_signal_unsubscribe(bus_, added_);
  g_dbus_connection_signal_unsubscribe(bus_, removed_);
  g_object_unref(bus_);
}

void GnomeInhibitors::Ask() {
  g_dbus_connection_call(bus_, kName, kPath, kName, "IsInhibited",
                         g_variant_new("(u)", kInhibitIdle), G_VARIANT_TYPE("(b)"),
                         G_DBUS_CALL_FLAGS_NO_AUTO_START, 5000, cancel_, OnAnswer, this);
}

void GnomeInhibitors::Set(bool inhibited) {
  if (inhibited == inhibited_) return;
  inhibited_ = inhibited;
  changed_(inhibited);
}

void GnomeInhibitors::OnAppeared(GDBusConnection*, const char*, const char*, gpointer self) {
  static_cast<GnomeInhibitors*>(self)->Ask();
}

void GnomeInhibitors::OnVanished(GDBusConnection*, const char*, gpointer self) {
  // A session manager that has gone holds nothing off.
  static_cast<GnomeInhibitors*>(self)->Set(false);
}

void GnomeInhibitors::OnSignal(GDBusConnection*, const char*, const char*, const char*,
                               const char*, GVariant*, gpointer self) {
  // Inhibitors of logging out or switching users come and go too: ask about idle itself.
  static_cast<GnomeInhibitors*>(self)->Ask();
}

void GnomeInhibitors::OnAnswer(GObject* bus, GAsyncResult* result, gpointer data) {
  GError* error = nullptr;
  GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(bus), result, &error);
  if (!reply) {
    // Cancelled: the object is gone. Any other failure: keep the state we knew.
    g_error_free(error);
    return;
  }
  gboolean inhibited = FALSE;
  g_variant_get(reply, "(b)", &inhibited);
  g_variant_unref(reply);
  static_cast<GnomeInhibitors*>(data)->Set(inhibited);
}

}  // namespace corvanta::idle
