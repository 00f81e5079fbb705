// What a seat hands the show's handlers: the buttons held and the modifiers in force, as the
// handlers count them.

#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

#include "layout/input_bits.h"
#include "platform/wayland/wayland_seat.h"

namespace corvanta::wayland {
namespace {

TEST(HeldKeys, ButtonsAreHeldFromPressToRelease) {
  HeldKeys held;
  EXPECT_EQ(held.Press(BTN_LEFT, true), kLeftButton);
  EXPECT_EQ(held.Press(BTN_RIGHT, true), kRightButton);
  EXPECT_EQ(held.Buttons(), kLeftButton | kRightButton);
  held.Press(BTN_LEFT, false);
  EXPECT_EQ(held.Buttons(), kRightButton);
  // A button with no name in the handlers is a press of none, and holds nothing.
  EXPECT_EQ(held.Press(BTN_SIDE, true), 0);
  EXPECT_EQ(held.Buttons(), kRightButton);
}

TEST(HeldKeys, ModifiersFollowTheLatestStateHeldOrLatched) {
  HeldKeys held;
  constexpr std::uint32_t shift = 1u << 0, lock = 1u << 1, control = 1u << 2, alt = 1u << 3;
  held.SetModifiers(shift | control, 0);
  EXPECT_EQ(held.Shift(), kShiftMask | kCtrlMask);
  // A sticky Alt latched for the next key counts; Caps Lock is no modifier to the handlers.
  held.SetModifiers(lock, alt);
  EXPECT_EQ(held.Shift(), kAltMask);
  held.SetModifiers(0, 0);
  EXPECT_EQ(held.Shift(), 0);
}

}  // namespace
}  // namespace corvanta::wayland
