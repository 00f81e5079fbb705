// The show's screen taken away while it runs: the show moves to another monitor of another
// size, takes that size, starts the race over and covers the monitor it left, if still there.

#include <gtest/gtest.h>

#include "on_fake.h"

namespace corvanta {
namespace {

const Monitor kLeft{0, 0, 1024, 768, true};
const Monitor kRight{1024, 0, 800, 600, false};

struct Moving : testing::OnFake {
  Moving() {
    Screen(1024, 768);
    kit.monitors.monitors = {kLeft, kRight};
    Start("/S");
  }
  // The show now stands on the right monitor, the left one gone or not.
  void MoveRight(bool left_stays) {
    Screen(800, 600);
    Monitor right = kRight;
    right.primary = true;
    kit.monitors.monitors = {right};
    if (left_stays) kit.monitors.monitors.push_back({0, 0, 1024, 768, false});
    main().ScreenChanged();
  }
};

TEST(ScreenChange, TheRaceStartsOverAtTheNewSizeAndTheCoversFollow) {
  Moving s;
  s.m->RaceTick(150);  // well into a race, the caption perhaps up
  ASSERT_GT(s.main().sngBallPos[0], 0);
  ASSERT_EQ(s.kit.monitors.covers.size(), 1u);
  s.MoveRight(true);

  const frmMain& f = s.main();
  EXPECT_EQ(s.m->picBox.Image().Width(), 800);
  EXPECT_EQ(s.m->picBox.Image().Height(), 600);
  EXPECT_FLOAT_EQ(f.sngFinish, 800 * 15 * 0.95f);
  EXPECT_FLOAT_EQ(f.sngLaneH, 600 * 15 / 11.0f);
  EXPECT_EQ(s.m->Label1.left, 400 * 15);
  EXPECT_EQ(s.m->Label1.top, 300 * 15);
  EXPECT_FALSE(s.m->Label1.visible);
  for (const float x : f.sngBallPos) EXPECT_EQ(x, 0);
  EXPECT_EQ(f.iFrame, 0);
  EXPECT_EQ(f.iRaceState, 0);
  // The new first frame: ball 1 at the start of its lane on the new screen.
  const int ball1_top = static_cast<int>(600 / 11.0f) + 16;
  EXPECT_NE(s.m->picBox.Image().At(16, ball1_top), Surface::kBlack);
  // The monitor the show left is covered, the one it stands on not.
  ASSERT_EQ(s.kit.monitors.covers.size(), 1u);
  EXPECT_EQ(s.kit.monitors.covers.begin()->second, (Monitor{0, 0, 1024, 768, false}));
  EXPECT_FALSE(s.Closed());

  // The race goes on from the line and the show still ends on input, measured on the new one.
  s.m->RaceTick(3);
  EXPECT_GT(f.sngBallPos[0], 0);
  s.m->Click();
  EXPECT_TRUE(s.Closed());
  EXPECT_TRUE(s.kit.monitors.covers.empty());
}

TEST(ScreenChange, OnlyTheShowMoves) {
  // With its old monitor gone, nothing is left to cover.
  Moving s;
  s.MoveRight(false);
  EXPECT_TRUE(s.kit.monitors.covers.empty());

  // The settings dialog, a refused instance and the preview have no screen to follow.
  testing::OnFake settings("/C");
  const int width = settings.m->picBox.Image().Width();
  settings.Screen(800, 600);
  settings.main().ScreenChanged();
  EXPECT_EQ(settings.m->picBox.Image().Width(), width);
  EXPECT_EQ(settings.main().sngFinish, 0);
  EXPECT_TRUE(settings.kit.monitors.covers.empty());
}

}  // namespace
}  // namespace corvanta
