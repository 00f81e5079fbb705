// The race's two timers on Qt's loop: in step, in order, and quiet once stopped. The same tests
// run on GLib's loop and, as a separate test run with QT_NO_GLIB=1, on Qt's own.

#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/qt/qt_timer.h"

namespace corvanta::qt {
namespace {

// Ticks as they come, each tagged with the wake-up of the loop that delivered it.
struct Log {
  Log()
      : awake(QObject::connect(QAbstractEventDispatcher::instance(),
                               &QAbstractEventDispatcher::awake, [this] { ++wakeups; })) {}
  ~Log() { QObject::disconnect(awake); }
  void Tick(char which) {
    order += which;
    wakes.push_back(wakeups);
  }
  int Count(char which) const {
    return static_cast<int>(std::count(order.begin(), order.end(), which));
  }

  QMetaObject::Connection awake;
  int wakeups = 0;
  std::string order;
  std::vector<int> wakes;
};

// Runs the loop until done() or most_ms have passed; a loop with no timer left still ends.
void RunUntil(const std::function<bool()>& done, int most_ms = 10000) {
  bool late = false;
  QTimer limit;
  limit.setSingleShot(true);
  QObject::connect(&limit, &QTimer::timeout, [&] { late = true; });
  limit.start(most_ms);
  while (!done() && !late) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Every slow tick comes in the wake-up of a fast one, just before it; never more than four fast
// ticks between two slow ones.
void ExpectInStep(const Log& log) {
  int fast_since_slow = 0;
  for (std::size_t i = 0; i < log.order.size(); ++i) {
    if (log.order[i] == 'R') {
      ++fast_since_slow;
      EXPECT_LE(fast_since_slow, 4) << log.order;
      continue;
    }
    fast_since_slow = 0;
    ASSERT_LT(i + 1, log.order.size());
    EXPECT_EQ(log.order[i + 1], 'R') << log.order;
    EXPECT_EQ(log.wakes[i + 1], log.wakes[i]) << "slow and fast tick in two wake-ups: " << log.order;
  }
}

TEST(QtTimer, TimersStartedTogetherShareTheirWakeUps) {
  Log log;
  QtTimer down(40, [&] { log.Tick('D'); });
  QtTimer right(10, [&] { log.Tick('R'); });
  QtTimer::StartTogether({&down, &right});
  RunUntil([&] { return log.Count('D') >= 6; });
  ASSERT_GE(log.Count('D'), 6) << log.order;
  ExpectInStep(log);
}

TEST(QtTimer, AStalledLoopSkipsTicksButKeepsTheTimersInStep) {
  // Qt's own timers each start over from the late tick, so they drift apart after a stall.
  if (!QAbstractEventDispatcher::instance()->inherits("QEventDispatcherGlib")) {
    GTEST_SKIP() << "only the timers on GLib's loop keep their grid";
  }
  Log log;
  QtTimer down(40, [&] { log.Tick('D'); });
  bool stalled = false;
  QtTimer right(10, [&] {
    log.Tick('R');
    // Held up for two and a half fast ticks, off the slow timer's beat.
    if (!stalled && log.Count('R') == 2) {
      stalled = true;
      std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
  });
  QtTimer::StartTogether({&down, &right});
  RunUntil([&] { return log.Count('D') >= 5; });
  ASSERT_GE(log.Count('D'), 5) << log.order;
  // Made-up ticks after the stall would show as five or more fast ticks in a row.
  ExpectInStep(log);
}

TEST(QtTimer, AStoppedTimerIsSilentEvenWhenStoppedByItsOwnTick) {
  int once = 0, other = 0;
  QtTimer* self = nullptr;
  QtTimer stops_itself(10, [&] {
    ++once;
    self->Stop();
  });
  self = &stops_itself;
  QtTimer counter(10, [&] { ++other; });
  RunUntil([&] { return other >= 5; });
  EXPECT_EQ(once, 1);
  EXPECT_FALSE(stops_itself.Active());
  EXPECT_TRUE(counter.Active());
  counter.Stop();
  const int seen = other;
  RunUntil([] { return false; }, 100);
  EXPECT_EQ(other, seen);
  EXPECT_FALSE(counter.Active());
}

}  // namespace
}  // namespace corvanta::qt
