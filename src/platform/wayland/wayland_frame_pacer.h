#pragma once
// When the show's timers tick and when its surface may commit, with no Wayland call in it, so
// that a test can drive it with a clock of its own.
//
// The timers keep one grid from their common start: a timer whose tick the process was too busy
// to deliver drops it rather than delivering a burst, and its next tick falls on the same grid.
// A surface commits at most once per frame callback. While a committed frame waits for its
// callback longer than a compositor ever takes to draw (its outputs are off, or it hid the
// surface), the timers stop waking the process: the show stands still where it was, and goes on
// from there when a callback comes again.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

namespace corvanta::wayland {

class FramePacer {
 public:
  using Micros = std::int64_t;  // a monotonic clock
  // Ten frames at the slowest refresh an output offers are far longer than any drawing.
  static constexpr Micros kStall = 200'000;

  explicit FramePacer(std::initializer_list<int> intervals_ms);

  // Every timer starts over from now, all on one clock reading.
  void Start(Micros now);
  void Stop();

  // When the loop must wake next for a tick; nullopt while no tick may run.
  std::optional<Micros> NextWake() const;
  // Calls tick(index) once for every timer due at now, in the order the timers were given.
  template <typename Tick>
  void RunDue(Micros now, Tick&& tick) {
    for (std::size_t i = 0; i < deadlines_.size(); ++i) {
      if (!Due(i, now)) continue;
      Advance(i, now);
      tick(i);
      if (!running_) return;
    }
  }

  // Something was drawn that the screen does not show yet.
  void Changed() { dirty_ = true; }
  bool MayCommit() const { return dirty_ && !awaiting_; }
  // A commit went out with a frame callback.
  void Committed(Micros now);
  // The frame callback came: the compositor is ready for the next frame.
  void FrameDone() { awaiting_ = false; }
  // The surface went and with it its callback: the next one commits afresh.
  void SurfaceLost() { awaiting_ = false, dirty_ = true; }

 private:
  bool Due(std::size_t i, Micros now) const;
  Micros Limit() const;
  void Advance(std::size_t i, Micros now);

  std::vector<Micros> intervals_;
  std::vector<Micros> deadlines_;
  bool running_ = false;
  bool dirty_ = false;
  bool awaiting_ = false;
  Micros committed_at_ = 0;
};

}  // namespace corvanta::wayland
