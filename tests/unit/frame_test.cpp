// Race frames as pixels: lanes, rolling frames, clipping, overlaps, and the incremental clear
// giving exactly what a full clear-and-repaint would.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

#include "frame_compare.h"
#include "on_fake.h"

namespace corvanta {
namespace {

using testing::ExpectedFrame;
using testing::SameFrame;

struct Show : testing::OnFake {
  Show(int w, int h, float tpp = 15) {
    Screen(w, h, tpp);
    Start("/S");
  }
  testing::Image Expected() {
    return ExpectedFrame(kit.screen_w_px, kit.screen_h_px, sheet, main().sngBallPos.data(),
                         main().sngLaneH, main().iFrame, kit.tpp_x, kit.tpp_y);
  }
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

// A screen that, like a backend, receives only the rectangles reported changed.
struct MirroredScreen {
  testing::Image img;
  void Take(Surface& s) {
    if (img.width != s.Width() || img.height != s.Height()) {
      img = {s.Width(), s.Height(), std::vector<std::uint32_t>(s.Pixels().size(), 0xFF00FF00u)};
    }
    for (const PixelRect& r : s.Changed().Items()) {
      for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) img.At(x, y) = s.At(x, y);
      }
    }
    s.ClearChanged();
  }
};

bool SameImage(const testing::Image& a, const testing::Image& b) { return a.pixels == b.pixels; }

// Random ticks through many races: holds, restarts, overlapping cells and winners past the
// right edge. After every tick both the image and a screen fed only the reported changes
// must equal a from-scratch repaint of the state last drawn (holds and the restart tick
// draw nothing, so the previous picture stays).
void CheckIncrementalAgainstFullRepaint(int w, int h, int ticks, unsigned seed,
                                        bool expect_past_edge = true) {
  Show s(w, h);
  s.main().sngStep = static_cast<float>(w) * 15 / 8;  // big steps: a race lasts ~10 ticks
  s.m->tmrRight.interval = 250;                         // and a hold 9 ticks
  std::mt19937 gen(seed);
  MirroredScreen screen;
  screen.Take(s.m->picBox.Image());
  std::array<float, 9> drawn_pos = s.main().sngBallPos;
  int drawn_frame = s.main().iFrame;
  int holds = 0, restarts = 0, past_edge = 0;
  for (int tick = 0; tick < ticks; ++tick) {
    if (gen() % 4 == 0) s.m->FrameTick(1 + static_cast<int>(gen() % 3));
    const bool draws = s.main().iRaceState == 0;
    holds += !draws;
    const bool was_holding = !draws;
    s.m->RaceTick();
    restarts += was_holding && s.main().iRaceState == 0;
    if (draws) {
      drawn_pos = s.main().sngBallPos;
      drawn_frame = s.main().iFrame;
      for (float p : drawn_pos) past_edge += p / 15 + 32 > w;
    }
    screen.Take(s.m->picBox.Image());
    const testing::Image want = ExpectedFrame(w, h, s.sheet, drawn_pos.data(), s.main().sngLaneH,
                                              drawn_frame, s.kit.tpp_x, s.kit.tpp_y);
    const auto image = s.m->picBox.Image().Pixels();
    // The high byte is not part of the colour (never-written pixels hold zero there).
    const auto same = [](std::uint32_t a, std::uint32_t b) { return ((a ^ b) & 0xFFFFFFu) == 0; };
    if (!std::equal(image.begin(), image.end(), want.pixels.begin(), want.pixels.end(), same)) {
      ASSERT_TRUE(SameFrame(s.m->picBox.Image(), want, "incremental"))
          << "tick " << tick << " on " << w << "x" << h;
    }
    ASSERT_TRUE(SameImage(screen.img, want))
        << "the changed rectangles missed a change: tick " << tick << " on " << w << "x" << h;
  }
  // The run really went through what it is meant to cover.
  EXPECT_GE(restarts, 3) << w << "x" << h;
  EXPECT_GT(holds, ticks / 10) << w << "x" << h;
  if (expect_past_edge) {
    EXPECT_GT(past_edge, 0) << w << "x" << h;
  }
}

TEST(Frame, IncrementalDrawingMatchesAFullRepaintAfterEveryTick) {
  CheckIncrementalAgainstFullRepaint(640, 480, 3000, 1);
  CheckIncrementalAgainstFullRepaint(300, 200, 3000, 2);  // lanes closer than a cell: overlaps
}

TEST(Frame, IncrementalDrawingMatchesAFullRepaintOnA4kScreen) {
  // Each tick compares two 33 MB images: a few races are enough at this size.
  CheckIncrementalAgainstFullRepaint(3840, 2160, 80, 3, /*expect_past_edge=*/false);
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
