#pragma once
// The race's timers on Qt's event loop. Where that loop is GLib's (Qt's default on Linux) a
// timer is a GLib source of its own with an absolute deadline, dispatched straight from the
// loop: a tick then skips Qt's timer list, its timer event, the application's event filters
// and a signal, which at a hundred ticks a second is most of what the program spends outside
// drawing. Elsewhere (QT_NO_GLIB, another dispatcher) it is a precise QTimer.
//
// Deadlines advance by whole intervals from the start, so timers started on one clock reading
// stay in step: every fourth 10 ms tick falls due with the 40 ms one and one wake-up serves
// both, the one created first dispatched first. Ticks the loop was too busy to deliver are
// dropped rather than delivered in a burst, as a precise QTimer does, and the next falls on
// the same grid, so a stall does not put the two out of step.

#include <QTimer>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>

#include "layout/controls.h"

namespace corvanta::qt {

class QtTimer : public Timer {
 public:
  // Enabled from creation; handler runs on every tick.
  QtTimer(int interval_ms, std::function<void()> handler);
  ~QtTimer() override;
  QtTimer(const QtTimer&) = delete;
  QtTimer& operator=(const QtTimer&) = delete;

  std::int32_t Interval() const override { return interval_ms_; }
  // Starts over from now; timers started one after the other share the clock reading.
  static void StartTogether(std::initializer_list<QtTimer*> timers);
  void Stop();
  bool Active() const;

  struct GlibSource;

 private:
  void Start(std::int64_t now_us);
  void Fire();

  int interval_ms_;
  std::function<void()> handler_;
  GlibSource* source_ = nullptr;  // null: the QTimer below serves
  std::unique_ptr<QTimer> fallback_;
  std::int64_t deadline_us_ = 0;
};

}  // namespace corvanta::qt
