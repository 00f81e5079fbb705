// Race frames as pixels: lanes, rolling frames, clipping, overlaps, and the incremental clear
// giving exactly what a full clear-and-repaint would.

#include <gtest/gtest.h>

#include <random>

#include "fake/fake_toolkit.h"
#include "frame_compare.h"
#include "test_sheet.h"

namespace corvanta {
namespace {

using fake::FakeMain;
using fake::FakeToolkit;
using testing::ExpectedFrame;
using testing::SameFrame;

struct Show {
  Show(int w, int h, float tpp = 15) {
    kit.screen_w_px = w;
    kit.screen_h_px = h;
    kit.tpp_x = kit.tpp_y = tpp;
    kit.command = "/S";
    m.emplace(kit, sheet);
    m->Load();
  }
  frmMain& main() { return m->main; }
  testing::Image Expected() {
    return ExpectedFrame(kit.screen_w_px, kit.screen_h_px, sheet, main().sngBallPos.data(),
                         main().sngLaneH, main().iFrame, kit.tpp_x, kit.tpp_y);
  }
  Picture sheet = testing::TestSheet();
  FakeToolkit kit;
  std::optional<FakeMain> m;
};

TEST(Frame, FirstFrameHasEveryBallOnTheStartLineInItsLane) {
  Show s(1024, 768);
  EXPECT_TRUE(SameFrame(s.m->picBox.Image(), s.Expected(), "first_frame"));
  const Surface& img = s.m->picBox.Image();
  // Lanes are an eleventh of the height: ball 1's cell starts at row 70, ball 9's at 628.
  EXPECT_EQ(img.At(1, 70), testing::CellColour(0, 0));
  EXPECT_EQ(img.At(1, 69), Surface::kBlack);
  EXPECT_EQ(img.At(1, 628), testing::CellColour(0, 8));
  EXPECT_EQ(img.At(1, 627), Surface::kBlack);
  EXPECT_EQ(img.At(0, 70), Surface::kBlack) << "the cell's first column is black";
}

TEST(Frame, LastRollingFrameComesFromTheLastColumn) {
  Show s(1024, 768);
  s.main().iFrame = 9;
  s.main().sngBallPos = {0, 150, 300, 450, 600, 750, 900, 1050, 1200};
  s.main().DrawRace();
  EXPECT_TRUE(SameFrame(s.m->picBox.Image(), s.Expected(), "frame_9"));
  EXPECT_EQ(s.m->picBox.Image().At(1, 70), testing::CellColour(9, 0));
}

TEST(Frame, ABallPastTheRightEdgeIsClippedNotWrapped) {
  Show s(1024, 768);
  s.main().sngBallPos[4] = (1024 - 10) * 15;  // 10 pixels still on screen
  s.main().sngBallPos[6] = 2000 * 15;         // wholly off screen
  s.main().DrawRace();
  EXPECT_TRUE(SameFrame(s.m->picBox.Image(), s.Expected(), "past_edge"));
  const int row = static_cast<int>(std::nearbyint(5 * s.main().sngLaneH / 15)) + 16;
  EXPECT_EQ(s.m->picBox.Image().At(1023, row), testing::CellColour(0, 4));
  EXPECT_EQ(s.m->picBox.Image().At(0, row), Surface::kBlack) << "nothing wraps to the left";
}

TEST(Frame, OnAShortScreenLaterBallsCoverEarlierOnes) {
  Show s(400, 300);  // lanes of 27 pixels: cells overlap
  s.main().DrawRace();
  EXPECT_TRUE(SameFrame(s.m->picBox.Image(), s.Expected(), "overlap"));
  const int top2 = static_cast<int>(std::nearbyint(2 * s.main().sngLaneH / 15));
  EXPECT_EQ(s.m->picBox.Image().At(0, top2 + 1), Surface::kBlack)
      << "ball 2's black cell column covers ball 1";
  EXPECT_EQ(s.m->picBox.Image().At(5, top2), testing::CellColour(0, 1));
}

TEST(Frame, IncrementalDrawingMatchesAFullRepaintAfterEveryTick) {
  for (const auto& [w, h] : {std::pair{640, 480}, std::pair{300, 200}}) {
    Show s(w, h);
    s.main().sngStep = 2500;  // big steps: many finishes, holds, restarts and overlaps
    std::mt19937 gen(1);
    for (int tick = 0; tick < 3000; ++tick) {
      if (gen() % 4 == 0) s.m->FrameTick();
      s.m->RaceTick();
      s.m->picBox.Image().ClearChanged();
      if (s.main().iRaceState == 0 && s.main().sngBallPos[0] == 0) continue;  // just restarted
      if (s.main().iRaceState == 1) continue;  // holding: the finish frame stays
      ASSERT_TRUE(SameFrame(s.m->picBox.Image(), s.Expected(), "incremental"))
          << "tick " << tick << " on " << w << "x" << h;
    }
  }
}

TEST(Frame, OnlyTheBallsOldAndNewPlacesAreReportedChanged) {
  Show s(1920, 1080);
  s.m->picBox.Image().ClearChanged();
  s.m->RaceTick();
  long long area = 0;
  for (const PixelRect& r : s.m->picBox.Image().Changed().Items()) area += r.Area();
  // Nine balls, each at most 200 twips (14 pixels) on: at most nine 46 x 32 strips.
  EXPECT_GT(area, 0);
  EXPECT_LE(area, 9 * 46 * 32);
}

}  // namespace
}  // namespace corvanta
