// The host window the X daemon names in its variable, as the Linux entry hands it to the parser.

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/linux/display_options.h"

namespace corvanta {
namespace {

TEST(SaverWindow, ComesFromTheDaemonsVariableUnderItsName) {
  const char* before = std::getenv("XSCREENSAVER_WINDOW");
  const std::optional<std::string> saved = before ? std::optional<std::string>(before) : std::nullopt;

  unsetenv("XSCREENSAVER_WINDOW");
  EXPECT_FALSE(SaverWindowFromEnvironment());
  // Set but empty is handed over as it is: the parser decides what nothing means.
  setenv("XSCREENSAVER_WINDOW", "", 1);
  ASSERT_TRUE(SaverWindowFromEnvironment());
  EXPECT_EQ(SaverWindowFromEnvironment()->text, "");
  setenv("XSCREENSAVER_WINDOW", "0x400008", 1);
  const auto window = SaverWindowFromEnvironment();
  ASSERT_TRUE(window);
  EXPECT_EQ(window->source, "XSCREENSAVER_WINDOW");
  EXPECT_EQ(window->text, "0x400008");

  if (saved) {
    setenv("XSCREENSAVER_WINDOW", saved->c_str(), 1);
  } else {
    unsetenv("XSCREENSAVER_WINDOW");
  }
}

}  // namespace
}  // namespace corvanta
