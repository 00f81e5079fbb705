// An output's description counts only once it is told whole: wl_output's pieces and
// xdg-output's place are held until the description's end.

#include <gtest/gtest.h>

#include "platform/wayland/wayland_output.h"

namespace corvanta::wayland {
namespace {

TEST(OutputDescription, NothingCountsUntilTheEndAndThenAllOfItAtOnce) {
  OutputDescription d;
  d.SetMode(2560, 1440);
  d.SetScale(2);
  d.SetLogicalPosition(1280, 0);
  d.SetLogicalSize(1280, 720);
  EXPECT_FALSE(d.Ready());
  EXPECT_EQ(d.Layout(), OutputLayout{});
  EXPECT_TRUE(d.End(true));
  EXPECT_TRUE(d.Ready());
  EXPECT_EQ(d.Layout(), (OutputLayout{2, 2560, 1440, 1280, 0, 1280, 720}));

  // Moved along with another: the old place holds until the end, and an end that changes
  // nothing tells nobody.
  d.SetLogicalPosition(0, 0);
  EXPECT_EQ(d.Layout().x, 1280);
  EXPECT_TRUE(d.End(true));
  EXPECT_EQ(d.Layout().x, 0);
  EXPECT_FALSE(d.End(true));
}

TEST(OutputDescription, WaitsForTheAskedPlaceAndWithoutXdgTakesTheModeOverTheScale) {
  OutputDescription asked;
  asked.SetMode(1920, 1080);
  EXPECT_FALSE(asked.End(true)) << "wl_output told its part, xdg-output not yet";
  EXPECT_FALSE(asked.Ready());
  asked.SetLogicalSize(1920, 1080);
  EXPECT_TRUE(asked.End(true));
  EXPECT_TRUE(asked.Ready());

  OutputDescription plain;
  plain.SetMode(1600, 1200);
  plain.SetScale(0);  // nonsense is scale 1
  plain.SetScale(2);
  EXPECT_TRUE(plain.End(false));
  EXPECT_EQ(plain.Layout(), (OutputLayout{2, 1600, 1200, 0, 0, 800, 600}));

  OutputDescription empty;
  EXPECT_FALSE(empty.End(false)) << "an output of no size is never ready";
  EXPECT_FALSE(empty.Ready());
}

}  // namespace
}  // namespace corvanta::wayland
