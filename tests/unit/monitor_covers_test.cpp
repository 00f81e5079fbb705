// The other monitors during the show: covered in the step the show is shown, gone with it;
// input over a cover measured from the one point the show window records; monitors that come
// and go while the show runs.

#include <gtest/gtest.h>

#include <algorithm>

#include "on_fake.h"

namespace corvanta {
namespace {

// A desk of monitors; the first is the primary and sets the screen's size.
struct Desk : testing::OnFake {
  explicit Desk(std::vector<Monitor> monitors, const char* command = "/S") {
    monitors.front().primary = true;
    Screen(monitors.front().width, monitors.front().height);
    kit.monitors.monitors = std::move(monitors);
    kit.host_windows[5] = {0, 0, 152, 112};
    Start(command);
  }
  std::vector<Monitor> Covered() const {
    std::vector<Monitor> areas;
    for (const auto& [id, area] : kit.monitors.covers) areas.push_back(area);
    return areas;
  }
  // Input over a cover, at a desktop pixel.
  void CoverMove(std::int32_t x, std::int32_t y) {
    ASSERT_NE(kit.monitors.listener, nullptr) << "nobody listens to the covers";
    kit.monitors.listener->Cover_MouseMove(0, 0, x, y);
  }
  void Plug(std::vector<Monitor> monitors) {
    kit.monitors.monitors = std::move(monitors);
    kit.monitors.listener->Monitors_Changed();
  }
  std::ptrdiff_t CallIndex(const std::string& call) const {
    const auto it = std::find(kit.calls.begin(), kit.calls.end(), call);
    return it == kit.calls.end() ? -1 : it - kit.calls.begin();
  }
};

const Monitor kMain{0, 0, 1024, 768};
const Monitor kRight{1024, 0, 800, 600};

TEST(MonitorCovers, EveryOtherMonitorIsCoveredWhenTheShowIsShownAndUncoveredWhenItEnds) {
  Desk d({kMain, kRight, {-1280, -200, 1280, 1024}});
  EXPECT_EQ(d.Covered(), (std::vector<Monitor>{kRight, {-1280, -200, 1280, 1024}}));
  EXPECT_TRUE(d.m->form.shown);
  const auto show = d.CallIndex("Show()"), first_cover = d.CallIndex("MakeCover(1024, 0, 800, 600)");
  ASSERT_GE(first_cover, 0);
  EXPECT_LT(first_cover, show) << "no monitor shows the desktop while the show appears";
  EXPECT_EQ(d.kit.calls[show - 1], "SetWindowPos(4096, -1, 0, 0, 0, 0, 3)")
      << "the race above the covers";

  d.kit.monitors.listener->Cover_KeyDown(65, 0);  // a key that a cover saw
  EXPECT_TRUE(d.Closed());
  EXPECT_TRUE(d.kit.monitors.covers.empty());
  EXPECT_EQ(d.kit.monitors.listener, nullptr);
  EXPECT_EQ(d.kit.cursor_count, 0);
}

TEST(MonitorCovers, OnlyTheShowCoversAndOneMonitorNeedsNothing) {
  for (const char* command : {"/p 5", "/c", "/a", "/x"}) {
    Desk d({kMain, kRight}, command);
    EXPECT_EQ(d.kit.monitors.made, 0) << command;
    EXPECT_EQ(d.kit.monitors.listener, nullptr) << command;
  }
  Desk single({kMain});
  EXPECT_EQ(single.kit.monitors.made, 0);
  EXPECT_EQ(std::count(single.kit.calls.begin(), single.kit.calls.end(),
                       "SetWindowPos(4096, -1, 0, 0, 0, 0, 3)"),
            1)
      << "one monitor: the show's calls as ever, topmost once at the set-up";
}

TEST(MonitorCovers, InputOverACoverCountsFromTheOneRecordedPoint) {
  Desk d({kMain, kRight});
  d.CoverMove(1500, 300);  // the first movement only records
  d.CoverMove(1502, 300);
  d.CoverMove(1502, 302);
  EXPECT_FALSE(d.Closed()) << "2 pixels are jitter";
  d.CoverMove(1502, 305);
  EXPECT_TRUE(d.Closed()) << "3 pixels end the show";
  EXPECT_TRUE(d.kit.monitors.covers.empty());
  EXPECT_EQ(d.kit.cursor_count, 0);

  Desk across({kMain, kRight});
  across.m->MoveTo(1022 * 15, 100 * 15);  // recorded by the show window
  across.CoverMove(1024, 100);            // 2 pixels on, over the cover
  EXPECT_FALSE(across.Closed());
  across.m->MoveTo(1022 * 15, 100 * 15);  // back over the show: 2 pixels from the cover's point
  EXPECT_FALSE(across.Closed());
  across.CoverMove(1025, 100);
  EXPECT_TRUE(across.Closed()) << "3 pixels from the point the show window recorded";

  Desk click({kMain, kRight});
  click.kit.monitors.listener->Cover_MouseDown(2, 0, 1500, 300);
  EXPECT_TRUE(click.Closed()) << "any button over a cover";
}

TEST(MonitorCovers, MonitorsLeftOfOrAboveThePrimaryCountFromThePrimarysCorner) {
  // As X counts: from the desktop's corner, the primary to the right of a side monitor.
  Desk x_desk({{800, 0, 1024, 768}, {0, 0, 800, 600}});
  EXPECT_EQ(x_desk.Covered(), (std::vector<Monitor>{{0, 0, 800, 600}}));
  x_desk.m->MoveTo(1 * 15, 10 * 15);  // the show's pixel (1, 10): desktop pixel (801, 10)
  x_desk.CoverMove(799, 10);
  EXPECT_FALSE(x_desk.Closed()) << "2 pixels across the border";
  x_desk.CoverMove(796, 10);
  EXPECT_TRUE(x_desk.Closed());

  // As Windows counts: from the primary's corner, a monitor above it.
  Desk above({kMain, {0, -600, 800, 600}});
  above.m->MoveTo(400 * 15, 1 * 15);
  above.CoverMove(400, -1);
  EXPECT_FALSE(above.Closed());
  above.CoverMove(400, -4);
  EXPECT_TRUE(above.Closed());
}

TEST(MonitorCovers, FourKMonitorsSideBySideKeepTheRuleAtTheFarEdges) {
  const Monitor k4{0, 0, 3840, 2160};
  Desk d({k4, {3840, 0, 3840, 2160}, {-3840, 0, 3840, 2160}, {7680, 0, 3840, 2160}});
  for (int i = 0; i < 50; ++i) d.CoverMove(11519, 2159);  // at rest in the far corner
  d.CoverMove(11517, 2159);
  EXPECT_FALSE(d.Closed());
  d.CoverMove(11517, 2156);
  EXPECT_TRUE(d.Closed());

  Desk left({k4, {-7680, 0, 3840, 2160}, {-3840, 0, 3840, 2160}});
  left.CoverMove(-7680, 2159);
  left.CoverMove(-7678, 2158);
  EXPECT_FALSE(left.Closed());
  left.CoverMove(-7675, 2158);
  EXPECT_TRUE(left.Closed());
}

TEST(MonitorCovers, MonitorsPluggedDuringTheShowAreCoveredAndUnpluggedOnesUncovered) {
  Desk d({kMain});
  d.Plug({{0, 0, 1024, 768, true}, kRight});
  EXPECT_EQ(d.Covered(), (std::vector<Monitor>{kRight}));
  EXPECT_EQ(d.kit.calls.back(), "SetWindowPos(4096, -1, 0, 0, 0, 0, 3)")
      << "the race stays above a new cover";
  const Monitor projector{-1920, 0, 1920, 1080};
  d.Plug({{0, 0, 1024, 768, true}, kRight, projector});
  EXPECT_EQ(d.kit.monitors.made, 2) << "the cover already there stays";
  d.Plug({{0, 0, 1024, 768, true}, projector});
  EXPECT_EQ(d.Covered(), (std::vector<Monitor>{projector}));
  d.Plug({{0, 0, 1024, 768, true}, {-1920, 0, 1280, 1024}});  // a new mode on the projector
  EXPECT_EQ(d.Covered(), (std::vector<Monitor>{{-1920, 0, 1280, 1024}}));
  EXPECT_FALSE(d.Closed());

  // The show window stays where it started, whichever monitor is primary now.
  const int made = d.kit.monitors.made;
  d.Plug({{-1920, 0, 1280, 1024, true}});
  EXPECT_EQ(d.Covered(), (std::vector<Monitor>{{-1920, 0, 1280, 1024}}));
  EXPECT_EQ(d.kit.monitors.made, made) << "the projector's cover stays";
  d.Plug({});
  EXPECT_TRUE(d.kit.monitors.covers.empty());
  d.m->Click();
  EXPECT_TRUE(d.Closed());
  EXPECT_EQ(d.kit.monitors.made, d.kit.monitors.removed);
}

TEST(MonitorCovers, MonitorsInsideTheShowNeedNoCoverAndOverlappingOnesStayBelowIt) {
  Desk d({kMain, kMain, {0, 0, 800, 600}});  // mirrored at the same and a smaller mode
  EXPECT_TRUE(d.kit.monitors.covers.empty());
  const std::size_t calls = d.kit.calls.size();
  d.Plug({{0, 0, 1024, 768, true}, {512, 0, 1024, 768}, {512, 0, 1024, 768}});
  EXPECT_EQ(d.kit.monitors.made, 1) << "two monitors at one place share a cover";
  EXPECT_EQ(d.kit.calls.size(), calls + 2);
  EXPECT_EQ(d.kit.calls.back(), "SetWindowPos(4096, -1, 0, 0, 0, 0, 3)");
}

}  // namespace
}  // namespace corvanta
