#pragma once
// The show's one loop: poll over the display's descriptor, the stop signals' pipe (SIGTERM,
// SIGINT) and the next deadline its owner names. It never spins: with no deadline it sleeps
// until the compositor or a signal says something.

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

struct wl_display;

namespace corvanta::wayland {

class Loop {
 public:
  using Micros = std::int64_t;
  enum class End { kDone, kSignal, kDisplayLost };

  struct Work {
    std::function<bool()> done;                   // leave the loop
    std::function<std::optional<Micros>()> next;  // the next deadline, if any
    std::function<void(Micros)> due;              // the deadlines that have come
  };

  // SIGTERM and SIGINT are caught from here on and end the loop.
  explicit Loop(wl_display* display);
  Loop(const Loop&) = delete;
  Loop& operator=(const Loop&) = delete;

  End Run(const Work& work);
  // Runs f once the events in hand have been handled: for what must not happen inside a
  // listener of the object it destroys.
  void Later(std::function<void()> f) { later_.push_back(std::move(f)); }

  static Micros Now();

 private:
  bool Dispatch();  // false: the display is gone
  void RunLater();

  wl_display* display_;
  std::vector<std::function<void()>> later_;
};

}  // namespace corvanta::wayland
