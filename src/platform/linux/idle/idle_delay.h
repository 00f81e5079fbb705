#pragma once
// How long the desktop must be idle before the show, when the user names no delay. GNOME
// blanks the screen after its own idle delay (Settings, Power, "Screen Blank"), and its lock
// follows the blank; the show comes a minute before the blank, or halfway to it when that is
// under two minutes. Elsewhere, and on a GNOME set never to blank, four minutes: before the
// five minutes after which most desktops dim, blank or lock.

namespace corvanta::idle {

inline constexpr unsigned kDefaultDelaySeconds = 240;

// The delay for GNOME's idle-delay in seconds (0: never blank).
unsigned DelayBeforeBlank(unsigned gnome_idle_delay);

// GNOME's idle-delay from its settings (org.gnome.desktop.session), through GSettings;
// 0 when the schema is not installed.
unsigned GnomeIdleDelaySetting();

}  // namespace corvanta::idle
