#pragma once
// How long the desktop must be idle before the show, when the user names no delay. GNOME
// blanks the screen after its own idle delay (Settings, Power, "Screen Blank"), and its lock
// follows the blank; the show comes a minute before the blank, or halfway to it when that is
// under two minutes. Elsewhere, and on a GNOME set never to blank, four minutes: before the
// five minutes after which most desktops dim, blank or lock.

#include <gio/gio.h>

#include <functional>

namespace corvanta::idle {

inline constexpr unsigned kDefaultDelaySeconds = 240;

// The delay for GNOME's idle-delay in seconds (0: never blank).
unsigned DelayBeforeBlank(unsigned gnome_idle_delay);

// GNOME's idle-delay in its settings (org.gnome.desktop.session), through GSettings, followed
// as the user changes it (the settings backend's own messages: no polling).
class GnomeIdleDelay {
 public:
  // changed is told the new idle-delay, from the GLib main loop.
  explicit GnomeIdleDelay(std::function<void(unsigned)> changed);
  ~GnomeIdleDelay();
  GnomeIdleDelay(const GnomeIdleDelay&) = delete;
  GnomeIdleDelay& operator=(const GnomeIdleDelay&) = delete;

  // In seconds; 0 when the schema is not installed.
  unsigned Seconds() const;

 private:
  static void Changed(GSettings*, const char*, gpointer self);
  GSettings* settings_ = nullptr;
  std::function<void(unsigned)> changed_;
};

}  // namespace corvanta::idle
