#pragma once
// Whether an application holds off idle through GNOME's session manager (video players and
// calls do, through the desktop portal): org.gnome.SessionManager's IsInhibited(8), asked
// again on each InhibitorAdded and InhibitorRemoved signal. Without a session manager on the
// bus nothing is held off; one that comes later is followed from then on.
// Implements: the session's idle inhibitors on GDBus.

#include <gio/gio.h>

#include <functional>

namespace corvanta::idle {

class GnomeInhibitors {
 public:
  // changed is told the new state each time it flips, from the GLib main loop.
  GnomeInhibitors(GDBusConnection* bus, std::function<void(bool inhibited)> changed);
  ~GnomeInhibitors();
  GnomeInhibitors(const GnomeInhibitors&) = delete;
  GnomeInhibitors& operator=(const GnomeInhibitors&) = delete;

  bool Inhibited() const { return inhibited_; }

 private:
  void Ask();
  void Set(bool inhibited);
  static void OnAppeared(GDBusConnection*, const char*, const char*, gpointer self);
  static void OnVanished(GDBusConnection*, const char*, gpointer self);
  static void OnSignal(GDBusConnection*, const char*, const char*, const char*, const char*,
                       GVariant*, gpointer self);
  static void OnAnswer(GObject* bus, GAsyncResult* result, gpointer self);

  GDBusConnection* bus_;
  std::function<void(bool)> changed_;
  GCancellable* cancel_;
  guint name_watch_ = 0;
  guint added_ = 0;
  guint removed_ = 0;
  bool inhibited_ = false;
};

}  // namespace corvanta::idle
