// The two shapes of the show window: embedded in the host's preview window, or full screen.

#include <gtest/gtest.h>

#include "on_fake.h"

namespace corvanta {
namespace {

std::vector<std::string> WindowCalls(const std::vector<std::string>& calls) {
  std::vector<std::string> out;
  for (const std::string& c : calls) {
    if (c.rfind("Clipboard", 0) != 0 && c != "PrevInstance()") out.push_back(c);
  }
  return out;
}

// Embedded in a host window of 152 x 112 pixels.
struct Previewing : testing::OnFake {
  Previewing(const char* command, Hwnd host) {
    kit.host_windows[host] = {0, 0, 152, 112};
    Start(command);
  }
};

TEST(Preview, EmbedsInTheHostWithTheCallsInOrder) {
  Previewing p("/p 4660", 4660);
  const fake::FakeMain& m = *p.m;
  const std::vector<std::string> expected = {
      "GetClientRect(4660)",
      "Caption(Preview)",
      "GetWindowLongA(4096, -16)",
      "SetWindowLongA(4096, -16, 1442840576)",  // the style with the child bit added
      "SetParent(4096, 4660)",
      "SetWindowLongA(4096, -8, 4660)",
      "SetWindowPos(4096, 0, 0, 0, 152, 112, 84)",
      "Refresh()",
  };
  EXPECT_EQ(WindowCalls(p.kit.calls), expected);
  EXPECT_EQ(m.picBox.Width(), 2280);
  EXPECT_EQ(m.picBox.Height(), 1680);
  EXPECT_FALSE(m.Label1.visible);
  EXPECT_EQ(p.kit.cursor_count, 0) << "the preview leaves the cursor alone";
}

TEST(Preview, TheStretchedSheetCoversTheWholeArea) {
  Previewing p("/P 99", 99);
  const Surface& img = p.m->picBox.Image();
  ASSERT_EQ(img.Width(), 152);
  ASSERT_EQ(img.Height(), 112);
  // The sheet's white margin shows as a band along the right edge, full height.
  for (int y = 0; y < 112; ++y) EXPECT_EQ(img.At(151, y), 0xFFFFFFFFu) << y;
  EXPECT_EQ(img.At(5, 3), testing::CellColour(0, 0));          // top-left: ball 1, frame 0
  EXPECT_EQ(img.At(145, 111), Surface::kBlack);                 // the black rows under the grid
  EXPECT_EQ(img.At(140, 100), testing::CellColour(9, 8));       // bottom-right cell: ball 9
  // Nothing moves: the timers tick in vain.
  const std::vector<std::uint32_t> before(img.Pixels().begin(), img.Pixels().end());
  for (int i = 0; i < 50; ++i) p.m->RaceTick(), p.m->FrameTick();
  EXPECT_TRUE(std::equal(before.begin(), before.end(), img.Pixels().begin()));
}

struct FullScreen : testing::OnFake {
  FullScreen(int w, int h, float tpp) {
    Screen(w, h, tpp);
    Start("/s");
  }
};

TEST(FullScreen, GeometryFollowsTheScreen) {
  for (const float tpp : {15.0f, 12.0f}) {
    FullScreen s(1024, 768, tpp);
    const frmMain& f = s.m->main;
    EXPECT_EQ(f.sngCellW, 32 * tpp);
    EXPECT_EQ(f.sngCellH, 32 * tpp);
    EXPECT_EQ(f.sngLaneH, static_cast<float>(768.0 * tpp / 11.0)) << "not rounded to twips";
    EXPECT_FLOAT_EQ(f.sngFinish / tpp, 972.8f);
    EXPECT_EQ(s.m->Label1.left / tpp, 512);
    EXPECT_EQ(s.m->Label1.top / tpp, 384);
    EXPECT_EQ(s.m->picBox.Image().Width(), 1024);
    EXPECT_EQ(s.m->picBox.Image().Height(), 768);
    EXPECT_EQ(s.m->form.width, 1024 * tpp);
    EXPECT_EQ(s.m->form.height, 768 * tpp);
  }
}

TEST(FullScreen, TopmostAndCursorHiddenBeforeTheFirstFrameThenShownMaximised) {
  FullScreen s(800, 600, 15);
  const std::vector<std::string> expected = {
      "SetWindowPos(4096, -1, 0, 0, 0, 0, 3)",
      "ShowCursor(0)",
      "Move(0, 0, 12000, 9000)",
      "Refresh()",
      "Caption(Screen Saver)",
      "Maximize()",
      "Show()",
  };
  EXPECT_EQ(WindowCalls(s.kit.calls), expected);
  EXPECT_EQ(s.m->main.bOnTop, kTrue);
  EXPECT_EQ(s.kit.cursor_count, -1);
  EXPECT_EQ(s.m->picBox.Image().At(1, static_cast<int>(600 / 11.0 + 0.5)),
            testing::CellColour(0, 0))
      << "the first frame is drawn before the window shows";
}

TEST(FullScreen, OnTopFalseLiftsTheWindowOutOfTheTopmostBand) {
  FullScreen s(800, 600, 15);
  s.m->main.OnTop(kFalse);
  EXPECT_EQ(s.kit.calls.back(), "SetWindowPos(4096, -2, 0, 0, 0, 0, 3)");
  EXPECT_EQ(s.m->main.bOnTop, kFalse);
}

}  // namespace
}  // namespace corvanta
