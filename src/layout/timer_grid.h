#pragma once
// Fixed-interval timers for a backend that runs its own loop, with no clock of its own: the
// caller reads the clock and passes it in, so that a test can drive it with one of its own.
//
// The timers keep one grid from their common start: a timer whose tick the process was too busy
// to deliver drops it rather than delivering a burst, and its next tick falls on the same grid.
// A caller may hold every tick back past a limit (a surface waiting for the compositor): no
// wake-up is asked for past it, and the ticks due before it still run.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <optional>
#include <vector>

namespace corvanta {

class TimerGrid {
 public:
  using Micros = std::int64_t;  // a monotonic clock
  static constexpr Micros kNoLimit = std::numeric_limits<Micros>::max();

  explicit TimerGrid(std::initializer_list<int> intervals_ms);

  // Every timer starts over from now, all on one clock reading.
  void Start(Micros now);
  void Stop();

  // When the loop must wake next for a tick; nullopt while no tick may run before limit.
  std::optional<Micros> NextWake(Micros limit = kNoLimit) const;
  // Calls tick(index) once for every timer due at now (and not past limit), in the order the
  // timers were given.
  template <typename Tick>
  void RunDue(Micros now, Micros limit, Tick&& tick) {
    for (std::size_t i = 0; i < deadlines_.size(); ++i) {
      if (!Due(i, now, limit)) continue;
      Advance(i, now);
      tick(i);
      if (!running_) return;
    }
  }

 private:
  bool Due(std::size_t i, Micros now, Micros limit) const;
  void Advance(std::size_t i, Micros now);

  std::vector<Micros> intervals_;
  std::vector<Micros> deadlines_;
  bool running_ = false;
};

}  // namespace corvanta
