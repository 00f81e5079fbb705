// Timers on one grid, driven by a clock of the test's own as a backend's loop drives them: every
// tick at its time, dropped ticks rather than bursts, and no wake-up past the limit a surface
// waiting for its frame callback sets.

#include "layout/timer_grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace corvanta {
namespace {

using Micros = TimerGrid::Micros;
constexpr Micros kStall = 200'000;

// The compositor's side: a frame callback every refresh while the output is on; the program
// commits at most once per callback and holds its timers once a callback is kStall late.
struct Clock {
  TimerGrid timers{40, 10};  // tmrDown, tmrRight as the show makes them
  Micros now = 0;
  std::vector<int> ticks{0, 0};
  int commits = 0, frames = 0;
  bool output_on = true;
  bool awaiting = false, drawn = false;
  Micros committed_at = 0;
  Micros refresh = 16'667;
  Micros next_frame = 0;

  Micros Limit() const { return awaiting ? committed_at + kStall : TimerGrid::kNoLimit; }

  // Sleeps to each wake-up (a tick or a frame callback) until end, runs what is due, draws on
  // every race tick and commits when allowed. Returns how many times the process woke.
  int RunUntil(Micros end) {
    int wakes = 0;
    while (true) {
      Micros wake = end;
      if (const auto t = timers.NextWake(Limit())) wake = std::min(wake, *t);
      if (awaiting && output_on) wake = std::min(wake, next_frame);
      if (wake >= end) break;
      now = std::max(now, wake);
      ++wakes;
      if (awaiting && output_on && now >= next_frame) {
        awaiting = false;
        ++frames;
      }
      timers.RunDue(now, Limit(), [&](std::size_t i) {
        ++ticks[i];
        if (i == 1) drawn = true;
      });
      if (drawn && !awaiting) {
        ++commits;
        drawn = false;
        awaiting = true;
        committed_at = now;
        next_frame = (now / refresh + 1) * refresh;
      }
    }
    now = end;
    return wakes;
  }
};

TEST(TimerGrid, EveryTickRunsAndCommitsFollowTheFrames) {
  Clock c;
  c.timers.Start(0);
  c.RunUntil(1'000'001);
  // 100 race ticks and 25 rolling ticks a second, all delivered.
  EXPECT_EQ(c.ticks[1], 100);
  EXPECT_EQ(c.ticks[0], 25);
  // Never more commits than frames of a 60 Hz output, and every frame used.
  EXPECT_LE(c.commits, 61);
  EXPECT_GE(c.commits, 55);
  EXPECT_LE(c.commits, c.frames + 1);
}

TEST(TimerGrid, ADelayedLoopDropsTicksInsteadOfBurstingAndKeepsTheGrid) {
  TimerGrid t{40, 10};
  t.Start(0);
  std::vector<int> fired;
  t.RunDue(95'000, TimerGrid::kNoLimit,
           [&](std::size_t i) { fired.push_back(static_cast<int>(i)); });
  // Held up for 95 ms: each timer ticks once, not nine and two times.
  EXPECT_EQ(fired, (std::vector<int>{0, 1}));
  // The next race tick falls on the 10 ms grid of the start.
  EXPECT_EQ(t.NextWake(), 100'000);
}

TEST(TimerGrid, NoCallbackMeansNoWakeUpsAndTheShowResumesWhereItStood) {
  Clock c;
  c.timers.Start(0);
  c.RunUntil(500'000);
  const int race_before = c.ticks[1];

  // The outputs go off: no frame callback comes any more.
  c.output_on = false;
  c.RunUntil(500'000 + kStall + 20'000);
  const int race_at_off = c.ticks[1];
  // At most the stall limit's worth of ticks, then not one wake-up for a minute.
  EXPECT_LE(race_at_off - race_before, (kStall + 20'000) / 10'000 + 1);
  EXPECT_EQ(c.RunUntil(60'600'000), 0) << "the process woke while nothing could be shown";
  EXPECT_EQ(c.ticks[1], race_at_off);
  EXPECT_FALSE(c.timers.NextWake(c.Limit()).has_value());

  // The outputs come back: the pending frame's callback arrives, the race goes on from where
  // it stood, one tick each at once and none made up for the minute.
  c.output_on = true;
  c.next_frame = c.now + 1;
  c.RunUntil(c.now + 1'000'000);
  EXPECT_GE(c.ticks[1] - race_at_off, 99);
  EXPECT_LE(c.ticks[1] - race_at_off, 101);
}

TEST(TimerGrid, StopEndsTheTicks) {
  TimerGrid t{10};
  t.Start(0);
  int ticks = 0;
  t.RunDue(10'000, TimerGrid::kNoLimit, [&](std::size_t) { ++ticks; });
  t.Stop();
  EXPECT_FALSE(t.NextWake().has_value());
  t.RunDue(1'000'000, TimerGrid::kNoLimit, [&](std::size_t) { ++ticks; });
  EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace corvanta
