#pragma once
// The idle watch on at login, by the desktops' own start-at-login mechanism: an XDG autostart
// entry in the user's ~/.config/autostart (GNOME, KDE Plasma, Xfce and others read it). The
// switch on starts a watch at once too (in place of one running), and the switch off ends the
// running one, so that "on" and "off" mean now as well as at the next login. Only this user's folder is touched.

#include <optional>
#include <string>

namespace corvanta::idle {

// The name of the watch's instance lock, in which the running watch leaves its process id.
inline constexpr const char* kWatchLockName = "corvanta-watch";

// Where the entry lies: ${XDG_CONFIG_HOME:-$HOME/.config}/autostart/corvanta-watch-idle.desktop.
std::string AutostartPath();

// The entry's text for the program at the given path, with the delay it is to be given.
std::string AutostartEntry(const std::string& program, std::optional<unsigned> seconds);

// Each says what it did in one line on stdout, or why it failed on stderr; the exit code.
int EnableAtLogin(std::optional<unsigned> seconds);
int DisableAtLogin();

}  // namespace corvanta::idle
