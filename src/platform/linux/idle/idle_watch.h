#pragma once
// The idle watch: a small resident process that waits until the desktop has been idle for the
// delay, runs the show as a child, waits for it to end, and waits again. It costs nothing
// while waiting: it sleeps in one poll on the session bus and the compositor connection, and
// wakes only for their messages. No toolkit is loaded and no window made.
// Entry: "corvanta --watch-idle [SECONDS] [--enable-at-login | --disable-at-login]".

#include <optional>
#include <string>

#include "platform/linux/idle/watch_idle_args.h"

namespace corvanta::idle {

// Runs what the command line asked: the watch, or the switch at login. Returns the exit code;
// a request with an error gets its line on stderr and 2. The watch itself is the small program
// beside this one (WatchProgram), which takes this process's place; without it, it runs here.
int RunIdleWatch(const WatchIdleRequest& request);

// The watch until SIGTERM or SIGINT (exit code 0), or the loss of the bus or the compositor
// (1); show_program is started with "/S" for each show.
int WatchUntilEnd(std::optional<unsigned> seconds, const std::string& show_program);

}  // namespace corvanta::idle
