// The display mode's command line: what it asks for, and one clear line for what it gets wrong.

#include <gtest/gtest.h>

#include <regex>

#include "platform/linux/display_options.h"

namespace corvanta {
namespace {

using Action = DisplayOptions::Action;
using Args = std::vector<std::string>;

// env is the host window as the X backend hands it over from the daemon's variable.
DisplayOptions Parse(const Args& args, std::optional<std::string> env = std::nullopt) {
  std::optional<HostWindowText> host;
  if (env) host = HostWindowText{"XSCREENSAVER_WINDOW", *env};
  return ParseDisplayOptions(args, host);
}

TEST(DisplayOptions, SwitchesAndEmptyCommandLinesAreNotADisplayMode) {
  for (const Args& args : {Args{}, Args{"/S"}, Args{"/p", "1234"}, Args{"/c:99"}, Args{"/a"},
                           Args{"s"}, Args{""}, Args{" /s"}}) {
    EXPECT_EQ(Parse(args).action, Action::kNotDisplayMode) << (args.empty() ? "" : args[0]);
  }
  // The daemon's variable does not turn a switch into a display mode.
  EXPECT_EQ(Parse({"/S"}, "0x400008").action, Action::kNotDisplayMode);
  EXPECT_EQ(Parse({}, "").action, Action::kNotDisplayMode);
}

TEST(DisplayOptions, WindowsComeFromTheOptionOrTheDaemonsVariable) {
  const auto hex = Parse({"--window-id", "0x400008"});
  EXPECT_EQ(hex.action, Action::kRun);
  EXPECT_EQ(hex.window, 0x400008u);
  EXPECT_EQ(Parse({"-window-id", "4194312"}).window, 0x400008u);
  EXPECT_EQ(Parse({"--window-id=0X1f"}).window, 0x1fu);
  EXPECT_EQ(Parse({"--window-id", "0xFFFFFFFF"}).window, 0xFFFFFFFFu);

  EXPECT_EQ(Parse({"--root"}, "0x600001").window, 0x600001u);
  EXPECT_EQ(Parse({"-root"}, "6291457").window, 0x600001u);
  const auto root = Parse({"--root"});
  EXPECT_EQ(root.action, Action::kRun);
  EXPECT_FALSE(root.window) << "no variable: the root window";
  // Lockers start savers with no argument at all.
  const auto bare = Parse({}, "0x600001");
  EXPECT_EQ(bare.action, Action::kRun);
  EXPECT_EQ(bare.window, 0x600001u);
  // An explicit window beats the variable, which may be left over from a parent, and --root:
  // the daemon's settings dialog previews "--root" with "--window-id" added.
  EXPECT_EQ(Parse({"--window-id", "77"}, "0x600001").window, 77u);
  EXPECT_EQ(Parse({"--root", "--window-id", "0x3a00007"}, "0x600001").window, 0x3a00007u);
  EXPECT_EQ(Parse({"-window-id", "0x3a00007", "-root"}).window, 0x3a00007u);
}

TEST(DisplayOptions, SpeedIsThisRunsOnly) {
  EXPECT_FALSE(Parse({"--root"}).speed);
  EXPECT_EQ(Parse({"--root", "--speed", "fast"}).speed, 0);
  EXPECT_EQ(Parse({"--speed", "medium", "--root"}).speed, 1);
  EXPECT_EQ(Parse({"-speed=slow", "--root"}).speed, 2);
  EXPECT_EQ(Parse({"--speed", "slow"}, "0x10").action, Action::kRun);
}

TEST(DisplayOptions, HelpAndVersionWinOverEverythingElse) {
  EXPECT_EQ(Parse({"--help"}).action, Action::kHelp);
  EXPECT_EQ(Parse({"--root", "-h"}).action, Action::kHelp);
  EXPECT_EQ(Parse({"--version"}).action, Action::kVersion);
  EXPECT_EQ(Parse({"--version", "--bogus"}).action, Action::kVersion);
  EXPECT_TRUE(std::regex_match(VersionLine(), std::regex("corvanta [0-9]+\\.[0-9]+\\.[0-9]+")))
      << VersionLine();
  EXPECT_NE(DisplayUsage().find("--window-id"), std::string::npos);
}

TEST(DisplayOptions, BadInputIsOneLineNamingTheProblem) {
  const std::pair<Args, const char*> cases[] = {
      {{"--bogus"}, "unknown option \"--bogus\""},
      {{"--root", "extra"}, "unexpected argument \"extra\""},
      {{"--window-id"}, "--window-id needs a window id"},
      {{"--window-id", "xyz"}, "\"xyz\" is not a window id"},
      {{"--window-id", "0x"}, "\"0x\" is not a window id"},
      {{"--window-id", "-5"}, "\"-5\" is not a window id"},
      {{"--window-id", " 12"}, "\" 12\" is not a window id"},
      {{"--window-id", "12abc"}, "\"12abc\" is not a window id"},
      {{"--window-id", "0"}, "window id 0 names no window"},
      {{"--window-id", "0x000"}, "window id 0 names no window"},
      {{"--window-id", "0x100000000"}, "beyond 32 bits"},
      {{"--window-id", "4294967296"}, "beyond 32 bits"},
      {{"--window-id", std::string(5000, '9')}, "beyond 32 bits"},
      {{"--speed"}, "--speed needs fast, medium or slow"},
      {{"--root", "--speed", "warp"}, "\"warp\" is not fast, medium or slow"},
      {{"--speed", "fast"}, "no window to draw in"},
      {{"--bad\nline\x1b[2J"}, "\"--bad?line?[2J\""},
  };
  for (const auto& [args, says] : cases) {
    const auto o = Parse(args);
    EXPECT_EQ(o.action, Action::kError) << args[0];
    EXPECT_NE(o.error.find(says), std::string::npos) << o.error;
    EXPECT_EQ(o.error.find('\n'), std::string::npos) << o.error;
    EXPECT_LT(o.error.size(), 160u) << o.error;
  }
}

TEST(DisplayOptions, AGarbledDaemonVariableIsReportedNotIgnored) {
  for (const char* env : {"garbage", "0", "0x", "0x1000000000", "-1", "12 "}) {
    for (const Args& args : {Args{}, Args{"--root"}}) {
      const auto o = Parse(args, env);
      EXPECT_EQ(o.action, Action::kError) << env;
      EXPECT_EQ(o.error.rfind("XSCREENSAVER_WINDOW: ", 0), 0u) << o.error;
    }
  }
  // The message names whatever the backend says the id came from, and nothing else.
  const auto other = ParseDisplayOptions({"--root"}, HostWindowText{"LOCKER_WINDOW", "zz"});
  EXPECT_EQ(other.action, Action::kError);
  EXPECT_EQ(other.error.rfind("LOCKER_WINDOW: \"zz\" is not a window id", 0), 0u) << other.error;
  EXPECT_EQ(other.error.find("XSCREENSAVER"), std::string::npos) << other.error;
  // A window named outright leaves a garbled one unread.
  EXPECT_EQ(Parse({"--window-id", "9"}, "garbage").window, 9u);
}

TEST(DisplayOptions, WindowIdsReadAsTheyAreWritten) {
  const auto id = [](const char* text) { return Parse({"--window-id", text}).window; };
  EXPECT_EQ(id("0x400008"), 0x400008u);
  EXPECT_EQ(id("0xabcDEF"), 0xabcdefu);
  EXPECT_EQ(id("00012"), 12u) << "leading zeros are decimal, not octal";
  EXPECT_EQ(id("4294967295"), 0xFFFFFFFFu);
  for (const char* bad : {"", "0", "0x", "x10", "1e3", "+5", "0x-1", "4294967296", "ff"}) {
    const auto o = Parse({"--window-id", bad});
    EXPECT_EQ(o.action, Action::kError) << bad;
    EXPECT_FALSE(o.window) << bad;
  }
}

}  // namespace
}  // namespace corvanta
