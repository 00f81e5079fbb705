#pragma once
// GNOME's idle time, from the compositor's idle monitor on the session bus
// (org.gnome.Mutter.IdleMonitor): mutter counts input and signals the watches it is given.
// Implements: IdleSource on GDBus. Needs: a session bus on which mutter owns that name.

#include <gio/gio.h>

#include <memory>

#include "platform/linux/idle/idle_source.h"

namespace corvanta::idle {

// True when someone owns org.gnome.Mutter.IdleMonitor on the bus.
bool GnomeIdleMonitorPresent(GDBusConnection* bus);

std::unique_ptr<IdleSource> NewGnomeIdleMonitor(GDBusConnection* bus, IdleEvents events);

}  // namespace corvanta::idle
