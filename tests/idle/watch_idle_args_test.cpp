// The watch's command line: what is the watch's, what is refused, what is left to others.

#include "platform/linux/idle/watch_idle_args.h"

#include <gtest/gtest.h>

#include "platform/linux/display_options.h"

namespace corvanta::idle {
namespace {

using Login = WatchIdleRequest::Login;

std::optional<WatchIdleRequest> Parse(std::vector<std::string> args) { return ParseWatchIdle(args); }

TEST(WatchIdleArgs, OtherCommandLinesAreLeftAlone) {
  EXPECT_FALSE(Parse({}));
  EXPECT_FALSE(Parse({"/S"}));
  EXPECT_FALSE(Parse({"--root", "--watch-idle"}));
  EXPECT_FALSE(Parse({"--watch-idler"}));
}

TEST(WatchIdleArgs, DelayInEveryForm) {
  EXPECT_EQ(Parse({"--watch-idle"})->seconds, std::nullopt);
  EXPECT_EQ(Parse({"--watch-idle", "30"})->seconds, 30u);
  EXPECT_EQ(Parse({"--watch-idle=45"})->seconds, 45u);
  EXPECT_EQ(Parse({"-watch-idle", "86400"})->seconds, 86400u);
  EXPECT_TRUE(Parse({"--watch-idle", "30"})->error.empty());
}

TEST(WatchIdleArgs, BadDelaysAreRefused) {
  for (const char* bad : {"0", "86401", "abc", "30s", "-5", "", "4294967326"}) {
    EXPECT_FALSE(Parse({"--watch-idle", bad})->error.empty()) << bad;
  }
  EXPECT_FALSE(Parse({"--watch-idle="})->error.empty());
  EXPECT_FALSE(Parse({"--watch-idle=5", "6"})->error.empty());
  EXPECT_FALSE(Parse({"--watch-idle", "5", "6"})->error.empty());
  EXPECT_FALSE(Parse({"--watch-idle", "--speed", "fast"})->error.empty());
}

TEST(WatchIdleArgs, TheLoginSwitchesOneAtATime) {
  const auto on = Parse({"--watch-idle", "120", "--enable-at-login"});
  EXPECT_EQ(on->login, Login::kEnable);
  EXPECT_EQ(on->seconds, 120u);
  EXPECT_EQ(Parse({"--watch-idle", "--disable-at-login"})->login, Login::kDisable);
  EXPECT_EQ(Parse({"--watch-idle"})->login, Login::kNone);
  EXPECT_FALSE(Parse({"--watch-idle", "--enable-at-login", "--disable-at-login"})->error.empty());
  // A delay after a switch is not where a delay goes.
  EXPECT_FALSE(Parse({"--watch-idle", "--enable-at-login", "60"})->error.empty());
}

TEST(WatchIdleArgs, TheHelpTellsOfEveryForm) {
  for (const char* form : {"--watch-idle [SECONDS]", "--enable-at-login", "--disable-at-login"}) {
    EXPECT_NE(DisplayUsage().find(form), std::string::npos) << form;
  }
}

}  // namespace
}  // namespace corvanta::idle
