// Ending the show: keys, buttons, real movements; jitter and drift tolerated; preview deaf.

#include <gtest/gtest.h>

#include "on_fake.h"

namespace corvanta {
namespace {

struct Running : testing::OnFake {
  explicit Running(const char* command = "/S", int w = 1024, int h = 768) {
    Screen(w, h);
    kit.host_windows[5] = {0, 0, 152, 112};
    Start(command);
  }
};

TEST(InputWatch, AnyKeyOrButtonEndsTheShowAndShowsTheCursorOnce) {
  for (const bool key : {true, false}) {
    Running r;
    EXPECT_EQ(r.kit.cursor_count, -1);
    key ? r.m->Key() : r.m->Click();
    EXPECT_TRUE(r.Closed());
    EXPECT_EQ(r.kit.cursor_count, 0) << "hidden once, shown once";
    EXPECT_EQ(r.m->UnloadHandlerRuns(), 1);
  }
}

TEST(InputWatch, FortyFiveTwipsEndTheShowFortyFourOnlyMoveThePoint) {
  Running r;
  r.m->MoveTo(3000, 3000);  // the first event only records
  EXPECT_FALSE(r.Closed());
  r.m->MoveTo(3044, 3000);
  EXPECT_FALSE(r.Closed());
  r.m->MoveTo(3044, 3044);  // 44 from the point just recorded, and from the first
  EXPECT_FALSE(r.Closed());
  r.m->MoveTo(3044 - 45, 3044);
  EXPECT_TRUE(r.Closed());
}

TEST(InputWatch, SlowDriftNeverEndsTheShow) {
  Running r;
  for (int i = 1; i <= 500; ++i) r.m->MoveTo(30.0f * i, 15.0f * i);
  EXPECT_FALSE(r.Closed());
}

TEST(InputWatch, TheFirstMovementAndAPointAtTheOriginOnlyRecord) {
  Running r;
  r.m->MoveTo(9000, 9000);
  EXPECT_FALSE(r.Closed()) << "nothing recorded yet, however far";
  r.m->MoveTo(0, 0);
  EXPECT_TRUE(r.Closed());

  Running corner;
  corner.m->MoveTo(0, 0);
  corner.m->MoveTo(4000, 4000);
  EXPECT_FALSE(corner.Closed()) << "(0, 0) reads as nothing recorded";
  corner.m->MoveTo(8000, 4000);
  EXPECT_TRUE(corner.Closed());
}

TEST(InputWatch, HalfTwipsRoundToEven) {
  Running r;
  r.m->MoveTo(100.5f, 100);  // recorded as 100
  r.m->MoveTo(145.0f, 100);  // 45 from 100: ends; had it rounded up to 101 it would not
  EXPECT_TRUE(r.Closed());
}

TEST(InputWatch, LargeScreensKeepTheRuleBeyond32767Twips) {
  Running r("/S", 3840, 2160);
  r.m->MoveTo(3839 * 15, 2159 * 15);  // 57585, 32385 twips
  r.m->MoveTo(3838 * 15, 2159 * 15);  // one pixel: jitter
  EXPECT_FALSE(r.Closed());
  r.m->MoveTo(3838 * 15, 2156 * 15);  // three pixels up from the last point
  EXPECT_TRUE(r.Closed());

  Running still("/S", 3840, 2160);
  for (int i = 0; i < 100; ++i) still.m->MoveTo(3839 * 15, 2159 * 15);
  EXPECT_FALSE(still.Closed()) << "a pointer at rest near the corner must not end the show";
}

TEST(InputWatch, ThePreviewIgnoresEverything) {
  Running r("/p 5");
  r.m->Key();
  r.m->Click();
  r.m->MoveTo(100, 100);
  r.m->MoveTo(9000, 9000);
  r.m->MoveTo(0, 0);
  EXPECT_FALSE(r.Closed());
  EXPECT_EQ(r.kit.cursor_count, 0);
}

TEST(InputWatch, EveryCloseShowsTheCursorEvenWhenItWasNeverHidden) {
  for (const char* command : {"/a", "/c", "", "/x"}) {
    Running r(command);
    EXPECT_EQ(r.kit.cursor_count, 1) << command;
    EXPECT_EQ(r.m->UnloadHandlerRuns(), 1) << command;
  }
}

}  // namespace
}  // namespace corvanta
