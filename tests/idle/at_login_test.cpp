// The autostart entry names this program so that a desktop runs it as the user would.

#include "platform/linux/idle/at_login.h"

#include <gtest/gtest.h>

namespace corvanta::idle {
namespace {

std::string ExecLine(const std::string& entry) {
  const auto at = entry.find("\nExec=");
  return entry.substr(at + 6, entry.find('\n', at + 1) - at - 6);
}

TEST(AtLogin, ExecNamesTheProgramAndTheDelay) {
  EXPECT_EQ(ExecLine(AutostartEntry("/usr/bin/corvanta", std::nullopt)),
            "/usr/bin/corvanta --watch-idle");
  EXPECT_EQ(ExecLine(AutostartEntry("/usr/bin/corvanta", 90)), "/usr/bin/corvanta --watch-idle 90");
}

TEST(AtLogin, TheEntryIsSkippedOnceTheProgramIsGone) {
  EXPECT_NE(AutostartEntry("/usr/bin/corvanta", std::nullopt).find("\nTryExec=/usr/bin/corvanta\n"),
            std::string::npos);
}

TEST(AtLogin, APathWithReservedCharactersIsQuoted) {
  EXPECT_EQ(ExecLine(AutostartEntry("/home/a b/corvanta", std::nullopt)),
            "\"/home/a b/corvanta\" --watch-idle");
  EXPECT_EQ(ExecLine(AutostartEntry("/x/$y\"/100%", std::nullopt)),
            "\"/x/\\\\$y\\\\\"/100%%\" --watch-idle");
  EXPECT_EQ(ExecLine(AutostartEntry("/x\\y", std::nullopt)), "\"/x\\\\\\\\y\" --watch-idle");
}

TEST(AtLogin, TheEntryLiesInTheUsersConfigFolder) {
  setenv("XDG_CONFIG_HOME", "/cfg", 1);
  EXPECT_EQ(AutostartPath(), "/cfg/autostart/corvanta-watch-idle.desktop");
  setenv("XDG_CONFIG_HOME", "relative", 1);  // a relative folder counts as unset, as the XDG base directories rule it out
  setenv("HOME", "/home/u", 1);
  EXPECT_EQ(AutostartPath(), "/home/u/.config/autostart/corvanta-watch-idle.desktop");
  unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace corvanta::idle
