// The default delay: the show always comes before GNOME blanks, and never at once.

#include "platform/linux/idle/idle_delay.h"

#include <gtest/gtest.h>

namespace corvanta::idle {
namespace {

TEST(IdleDelay, AMinuteBeforeGnomeBlanks) {
  EXPECT_EQ(DelayBeforeBlank(300), 240u);  // GNOME's own default of five minutes
  EXPECT_EQ(DelayBeforeBlank(900), 840u);
  EXPECT_EQ(DelayBeforeBlank(120), 60u);
}

TEST(IdleDelay, HalfWayWhenGnomeBlanksWithinTwoMinutes) {
  EXPECT_EQ(DelayBeforeBlank(60), 30u);
  EXPECT_EQ(DelayBeforeBlank(4), 2u);
  EXPECT_EQ(DelayBeforeBlank(1), 1u);
}

TEST(IdleDelay, NeverBlankingGetsTheCommonDefault) {
  EXPECT_EQ(DelayBeforeBlank(0), kDefaultDelaySeconds);
}

}  // namespace
}  // namespace corvanta::idle
