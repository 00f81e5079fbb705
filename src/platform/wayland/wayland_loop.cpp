#include "platform/wayland/wayland_loop.h"

#include <poll.h>
#include <time.h>
#include <wayland-client.h>

#include <algorithm>
#include <cerrno>

#include "platform/linux/stop_signals.h"

namespace corvanta::wayland {

Loop::Micros Loop::Now() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return Micros{ts.tv_sec} * 1'000'000 + ts.tv_nsec / 1000;
}

Loop::End Loop::Run(Work& work) {
  for (;;) {
    if (wl_display_dispatch_pending(display_) < 0) return End::kDisplayLost;
    work.Update(Now());
    if (work.Done()) return End::kDone;
    // Events queued meanwhile are dispatched and acted on first.
    if (wl_display_prepare_read(display_) != 0) continue;
    // A full socket buffer is waited out in the poll below, never by blocking here.
    short display_events = POLLIN;
    if (wl_display_flush(display_) < 0) {
      if (errno != EAGAIN) {
        wl_display_cancel_read(display_);
        return End::kDisplayLost;
      }
      display_events |= POLLOUT;
    }
    int timeout = -1;
    if (const auto next = work.NextWake()) {
      const Micros wait = std::max<Micros>(*next - Now(), 0);
      timeout = static_cast<int>(std::min<Micros>((wait + 999) / 1000, 60'000));
    }
    const int stop_fd = linux_services::StopSignalFd();
    pollfd fds[2] = {{wl_display_get_fd(display_), display_events, 0}, {stop_fd, POLLIN, 0}};
    const int n = poll(fds, stop_fd >= 0 ? 2 : 1, timeout);
    if (n < 0 && errno != EINTR) {
      wl_display_cancel_read(display_);
      return End::kDisplayLost;
    }
    if (n > 0 && (fds[0].revents & POLLIN)) {
      if (wl_display_read_events(display_) < 0) return End::kDisplayLost;
    } else {
      wl_display_cancel_read(display_);
      if (n > 0 && (fds[0].revents & (POLLERR | POLLHUP))) return End::kDisplayLost;
    }
    if (n > 0 && (fds[1].revents & POLLIN) && linux_services::TakeStopSignals()) {
      return End::kSignal;
    }
  }
}

}  // namespace corvanta::wayland
