// The window longs and cursor count a backend keeps where the platform has none, read back as
// Windows answers them.

#include "layout/emulated_window.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

using namespace user32;

TEST(WindowLongs, StyleAndOwnerReadBackAsSetWithVisibilityFromTheWindow) {
  WindowLongs longs;
  EXPECT_EQ(longs.Get(GWL_STYLE, false), kPopupStyle);
  EXPECT_EQ(longs.Get(GWL_STYLE, true), kPopupStyle | WS_VISIBLE);
  // What a display mode does to be a child: the previous style comes back without WS_VISIBLE,
  // which only showing the window sets.
  EXPECT_EQ(longs.Set(GWL_STYLE, longs.Get(GWL_STYLE, true) | WS_CHILD), kPopupStyle);
  EXPECT_EQ(longs.Get(GWL_STYLE, false), kPopupStyle | WS_CHILD);
  EXPECT_EQ(longs.Set(GWL_HWNDPARENT, 42), 0);
  EXPECT_EQ(longs.Get(GWL_HWNDPARENT, true), 42);
  // Other slots are not kept.
  EXPECT_EQ(longs.Set(-20, 7), 0);
  EXPECT_EQ(longs.Get(-20, true), 0);
}

TEST(CursorCount, HiddenWhileBelowZero) {
  CursorCount count;
  EXPECT_EQ(count.Change(0), -1);
  EXPECT_TRUE(count.Hidden());
  EXPECT_EQ(count.Change(0), -2);
  EXPECT_EQ(count.Change(1), -1);
  EXPECT_TRUE(count.Hidden()) << "one show does not undo two hides";
  EXPECT_EQ(count.Change(1), 0);
  EXPECT_FALSE(count.Hidden());
}

}  // namespace
}  // namespace corvanta
