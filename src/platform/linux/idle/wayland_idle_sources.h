#pragma once
// The idle sources of Wayland compositors other than GNOME's: ext-idle-notify-v1 (the standard
// one; KWin, wlroots 0.17 on) and org_kde_kwin_idle (KWin, wlroots 0.15/0.16 as in sway 1.7).
// Both count input on the seat and hold back while a client holds an idle inhibitor.
// Implements: IdleSource on each protocol. Needs: a WaylandIdleConnection that offers it.

#include <memory>

#include "platform/linux/idle/idle_source.h"
#include "platform/linux/idle/wayland_idle_connection.h"

namespace corvanta::idle {

// The first protocol the compositor offers, standard one first; nullptr when it offers none.
// The source owns the connection.
std::unique_ptr<IdleSource> NewWaylandIdleSource(std::unique_ptr<WaylandIdleConnection> connection,
                                                 IdleEvents events);

}  // namespace corvanta::idle
