// The show's pace on Wayland, driven by a clock of the test's own: the timers' ticks, at most
// one commit per frame callback, and the standstill while no callback comes.

#include <gtest/gtest.h>

#include <vector>

#include "platform/wayland/wayland_frame_pacer.h"

namespace corvanta::wayland {
namespace {

using Micros = FramePacer::Micros;

// The compositor's side: a frame callback every refresh, while the output is on.
struct Clock {
  FramePacer pacer{40, 10};  // tmrDown, tmrRight as the show makes them
  Micros now = 0;
  std::vector<int> ticks{0, 0};
  int commits = 0, frames = 0;
  bool output_on = true;
  Micros refresh = 16'667;
  Micros next_frame = 0;

  // Runs the loop as the show does until the time given: sleeps to the next wake-up (a tick or
  // a frame callback), runs what is due, draws on every race tick and commits when allowed.
  // Returns how many times the process woke.
  int RunUntil(Micros end) {
    int wakes = 0;
    while (true) {
      Micros wake = end;
      if (const auto t = pacer.NextWake()) wake = std::min(wake, *t);
      if (awaiting && output_on) wake = std::min(wake, next_frame);
      if (wake >= end) break;
      now = std::max(now, wake);
      ++wakes;
      if (awaiting && output_on && now >= next_frame) {
        awaiting = false;
        ++frames;
        pacer.FrameDone();
      }
      pacer.RunDue(now, [&](std::size_t i) {
        ++ticks[i];
        if (i == 1) pacer.Changed();
      });
      if (pacer.MayCommit()) {
        EXPECT_FALSE(awaiting) << "a commit before the last one's callback, at " << now;
        ++commits;
        pacer.Committed(now);
        awaiting = true;
        next_frame = (now / refresh + 1) * refresh;
      }
    }
    now = end;
    return wakes;
  }
  bool awaiting = false;
};

TEST(FramePacer, EveryTickRunsAndCommitsFollowTheFrames) {
  Clock c;
  c.pacer.Start(0);
  c.RunUntil(1'000'001);
  // 100 race ticks and 25 rolling ticks a second, all delivered.
  EXPECT_EQ(c.ticks[1], 100);
  EXPECT_EQ(c.ticks[0], 25);
  // Never more commits than frames of a 60 Hz output, and every frame used.
  EXPECT_LE(c.commits, 61);
  EXPECT_GE(c.commits, 55);
  EXPECT_LE(c.commits, c.frames + 1);
}

TEST(FramePacer, ADelayedLoopDropsTicksInsteadOfBurstingAndKeepsTheGrid) {
  FramePacer p{40, 10};
  p.Start(0);
  std::vector<int> fired;
  p.RunDue(95'000, [&](std::size_t i) { fired.push_back(static_cast<int>(i)); });
  // Held up for 95 ms: each timer ticks once, not nine and two times.
  EXPECT_EQ(fired, (std::vector<int>{0, 1}));
  // The next race tick falls on the 10 ms grid of the start.
  EXPECT_EQ(p.NextWake(), 100'000);
}

TEST(FramePacer, NoCallbackMeansNoWakeUpsAndTheShowResumesWhereItStood) {
  Clock c;
  c.pacer.Start(0);
  c.RunUntil(500'000);
  const int race_before = c.ticks[1];

  // The outputs go off: no frame callback comes any more.
  c.output_on = false;
  c.RunUntil(500'000 + FramePacer::kStall + 20'000);
  const int race_at_off = c.ticks[1];
  // At most the stall limit's worth of ticks, then not one wake-up for a minute.
  EXPECT_LE(race_at_off - race_before, (FramePacer::kStall + 20'000) / 10'000 + 1);
  EXPECT_EQ(c.RunUntil(60'600'000), 0) << "the process woke while nothing could be shown";
  EXPECT_EQ(c.ticks[1], race_at_off);
  EXPECT_FALSE(c.pacer.NextWake().has_value());

  // The outputs come back: the pending frame's callback arrives, the race goes on from where
  // it stood, one tick each at once and none made up for the minute.
  c.output_on = true;
  c.next_frame = c.now + 1;
  c.RunUntil(c.now + 1'000'000);
  EXPECT_GE(c.ticks[1] - race_at_off, 99);
  EXPECT_LE(c.ticks[1] - race_at_off, 101);
}

TEST(FramePacer, NothingDrawnNothingCommittedAndStopEndsTheTicks) {
  FramePacer p{10};
  p.Start(0);
  EXPECT_FALSE(p.MayCommit());
  int ticks = 0;
  p.RunDue(10'000, [&](std::size_t) { ++ticks; });
  EXPECT_FALSE(p.MayCommit()) << "a tick that drew nothing has nothing to show";
  p.Changed();
  EXPECT_TRUE(p.MayCommit());
  // A surface that goes takes its callback with it: the next one may commit at once.
  p.Committed(10'000);
  EXPECT_FALSE(p.MayCommit());
  p.SurfaceLost();
  EXPECT_TRUE(p.MayCommit());
  p.Stop();
  EXPECT_FALSE(p.NextWake().has_value());
  p.RunDue(1'000'000, [&](std::size_t) { ++ticks; });
  EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace corvanta::wayland
