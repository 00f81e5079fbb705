#pragma once
// The idle watch: a small resident process that waits until the desktop has been idle for the
// delay, runs the show as a child, waits for it to end, and waits again. It costs nothing
// while waiting: it sleeps in one poll on the session bus and the compositor connection, and
// wakes only for their messages. No toolkit is loaded and no window made.
// Entry: "corvanta --watch-idle [SECONDS] [--enable-at-login | --disable-at-login]".

#include "platform/linux/idle/watch_idle_args.h"

namespace corvanta::idle {

// Runs what the command line asked: the watch until SIGTERM or SIGINT (exit code 0), or the
// loss of the bus or the compositor (1); or the switch at login. Returns the exit code; a
// request with an error gets its line on stderr and 2.
int RunIdleWatch(const WatchIdleRequest& request);

}  // namespace corvanta::idle
