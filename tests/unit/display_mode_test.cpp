// The race in a window handed to us: the show's race at the window's size, with none of the
// show's set-up around it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "fake/fake_main.h"
#include "test_sheet.h"

namespace corvanta {
namespace {

using fake::FakeMain;
using fake::FakeToolkit;

constexpr Hwnd kHost = 0x400008;

bool Logged(const FakeToolkit& kit, std::string_view prefix) {
  return std::any_of(kit.calls.begin(), kit.calls.end(),
                     [&](const std::string& c) { return c.rfind(prefix, 0) == 0; });
}

struct InWindow {
  InWindow(int w, int h, std::optional<std::int16_t> speed = std::nullopt) {
    kit.host_windows[kHost] = {0, 0, w, h};
    kit.clipboard = "the user's text";
    started = m.main.DisplayLoad(kHost, speed);
  }
  Picture sheet = testing::TestSheet();
  FakeToolkit kit;
  FakeMain m{kit, sheet};
  bool started = false;
};

TEST(DisplayMode, EmbedsWithNoneOfTheShowsSideEffects) {
  InWindow d(640, 480);
  ASSERT_TRUE(d.started);
  EXPECT_TRUE(Logged(d.kit, "SetParent(4096, 4194312)"));
  EXPECT_TRUE(Logged(d.kit, "SetWindowPos(4096, 0, 0, 0, 640, 480, 84)"));
  EXPECT_FALSE(Logged(d.kit, "ShowCursor")) << "the cursor is the daemon's";
  EXPECT_FALSE(Logged(d.kit, "SetWindowPos(4096, -1")) << "never topmost";
  EXPECT_FALSE(Logged(d.kit, "PrevInstance")) << "one per monitor runs at once";
  EXPECT_FALSE(Logged(d.kit, "Clipboard"));
  EXPECT_EQ(d.kit.clipboard, "the user's text");
  EXPECT_FALSE(d.m.form.maximized);

  // Input over the window ends nothing: the daemon decides.
  d.m.Key();
  d.m.Click();
  d.m.MoveTo(15000, 15000);
  d.m.MoveTo(100, 100);
  EXPECT_FALSE(d.m.form.unloaded);
}

TEST(DisplayMode, AWindowThatDoesNotExistStartsNothing) {
  FakeToolkit kit;
  Picture sheet = testing::TestSheet();
  FakeMain m{kit, sheet};
  EXPECT_FALSE(m.main.DisplayLoad(0x123456, std::nullopt));
  EXPECT_FALSE(Logged(kit, "SetParent"));
  EXPECT_FALSE(Logged(kit, "SetWindowPos"));
  m.RaceTick(5);
  EXPECT_EQ(kit.rnd_draws, 0) << "no race without a window";
}

TEST(DisplayMode, RunsTheShowsRaceAtTheWindowsSize) {
  // The show on a 640 x 480 screen and the display mode in a 640 x 480 window, same store.
  FakeToolkit show_kit;
  show_kit.screen_w_px = 640, show_kit.screen_h_px = 480;
  show_kit.command = "/S";
  Picture sheet = testing::TestSheet();
  FakeMain show{show_kit, sheet};
  show.Load();
  InWindow d(640, 480);

  EXPECT_FLOAT_EQ(d.m.main.sngLaneH, 480 * 15 / 11.0f);
  EXPECT_FLOAT_EQ(d.m.main.sngFinish, 640 * 15 * 0.95f);
  EXPECT_FLOAT_EQ(d.m.Label1.left, 320 * 15);
  EXPECT_FLOAT_EQ(d.m.Label1.top, 240 * 15);
  EXPECT_FLOAT_EQ(d.m.main.sngBallH, 32 * 15) << "from 352 px up balls are 32 px";

  bool held = false, restarted = false;
  for (int t = 0; t < 1500; ++t) {
    show.RaceTick();
    d.m.RaceTick();
    if (t % 4 == 0) show.FrameTick(), d.m.FrameTick();
    ASSERT_EQ(d.m.main.sngBallPos, show.main.sngBallPos) << "tick " << t;
    ASSERT_EQ(d.m.Label1.caption, show.Label1.caption);
    ASSERT_EQ(d.m.Label1.visible, show.Label1.visible);
    held = held || d.m.main.iRaceState == 1;
    restarted = restarted || (held && d.m.main.iRaceState == 0);
  }
  EXPECT_TRUE(held && restarted);
  const auto a = d.m.picBox.Image().Pixels();
  const auto b = show.picBox.Image().Pixels();
  EXPECT_TRUE(std::equal(a.begin(), a.end(), b.begin(), b.end())) << "the same frame on screen";
}

TEST(DisplayMode, SpeedFromTheOptionElseFromTheStore) {
  InWindow stored(400, 400);
  EXPECT_FLOAT_EQ(stored.m.main.sngStep, 200) << "nothing stored: medium";
  InWindow slow(400, 400, 2);
  EXPECT_FLOAT_EQ(slow.m.main.sngStep, 100);
  FakeToolkit kit;
  kit.store.entries["Corvanta Screen Saver/Settings/BALL_SPEED"] = "0";
  kit.host_windows[kHost] = {0, 0, 400, 400};
  Picture sheet = testing::TestSheet();
  FakeMain m{kit, sheet};
  m.main.DisplayLoad(kHost, std::nullopt);
  EXPECT_FLOAT_EQ(m.main.sngStep, 400);
}

TEST(DisplayMode, ShortWindowsShrinkTheBallsToTheirLanes) {
  for (const int h : {240, 200, 351, 352, 11, 1}) {
    InWindow d(320, h);
    const int ball = std::min(32, std::max(h / 11, 1));
    EXPECT_FLOAT_EQ(d.m.main.sngBallH, ball * 15.0f) << h;
    EXPECT_FLOAT_EQ(d.m.main.sngBallW, ball * 15.0f) << h;
    d.m.RaceTick(30);
    // Every lit pixel belongs to exactly one ball's lane band: lanes never overlap.
    const Surface& img = d.m.picBox.Image();
    ASSERT_EQ(img.Width(), 320);
    ASSERT_EQ(img.Height(), h);
    std::vector<int> lane_of_row(static_cast<std::size_t>(h), -1);
    for (int i = 0; i < 9; ++i) {
      const int top = static_cast<int>(std::nearbyint((i + 1) * d.m.main.sngLaneH / 15));
      for (int y = top; y < top + ball && y < h; ++y) {
        if (h >= 11) {
          EXPECT_EQ(lane_of_row[static_cast<std::size_t>(y)], -1) << h << " row " << y;
        }
        lane_of_row[static_cast<std::size_t>(y)] = i;
      }
    }
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < 320; ++x) {
        if ((img.At(x, y) & 0xFFFFFF) != 0 && lane_of_row[static_cast<std::size_t>(y)] < 0) {
          FAIL() << "height " << h << ": pixel (" << x << ", " << y << ") lit outside the lanes";
        }
      }
    }
  }
}

TEST(DisplayMode, AResizedWindowTakesEffectAtTheNextRace) {
  InWindow d(640, 480);
  d.kit.scripted_rnd.assign(9, 0.0f);
  d.m.RaceTick();
  d.kit.host_windows[kHost] = {0, 0, 300, 200};
  d.m.RaceTick(5);
  EXPECT_FLOAT_EQ(d.m.main.sngFinish, 640 * 15 * 0.95f) << "the running race keeps its size";
  // Finish, hold, restart.
  d.m.main.sngBallPos[3] = d.m.main.sngFinish;
  d.m.RaceTick(1 + 201);
  EXPECT_EQ(d.m.main.iRaceState, 0);
  EXPECT_FLOAT_EQ(d.m.main.sngFinish, 300 * 15 * 0.95f);
  EXPECT_FLOAT_EQ(d.m.main.sngLaneH, 200 * 15 / 11.0f);
  EXPECT_FLOAT_EQ(d.m.Label1.left, 150 * 15);
  EXPECT_EQ(d.m.picBox.Image().Width(), 300);
  EXPECT_EQ(d.m.picBox.Image().Height(), 200);
  EXPECT_TRUE(Logged(d.kit, "SetWindowPos(4096, 0, 0, 0, 300, 200, 22)"));

  // A host gone by the next race ends the program rather than racing in nothing.
  d.kit.host_windows.clear();
  d.m.main.sngBallPos[0] = d.m.main.sngFinish;
  d.m.RaceTick(1 + 201);
  EXPECT_TRUE(d.m.form.unloaded);
}

}  // namespace
}  // namespace corvanta
