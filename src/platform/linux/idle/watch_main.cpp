// The idle watch's own program, which "corvanta --watch-idle" becomes (see watch_program.h):
// the same command line, with the Linux program's path as its first word, which it starts with
// "/S" for each show. Linked with GLib and libwayland-client only.

#include <cstdio>
#include <string>
#include <vector>

#include "platform/linux/idle/idle_watch.h"

int main(int argc, char** argv) {
  const auto request =
      corvanta::idle::ParseWatchIdle(std::vector<std::string>(argv + 1, argv + argc));
  // The switches at login and the messages about the command line are the Linux program's:
  // only the watch itself comes here.
  if (!request || !request->error.empty() ||
      request->login != corvanta::idle::WatchIdleRequest::Login::kNone) {
    std::fputs("corvanta-idle-watch: run as \"corvanta --watch-idle [SECONDS]\"\n", stderr);
    return 2;
  }
  return corvanta::idle::WatchUntilEnd(request->seconds, argv[0]);
}
