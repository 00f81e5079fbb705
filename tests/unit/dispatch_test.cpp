// Start-up: the instance guard, the show mode and what each mode does.

#include <gtest/gtest.h>

#include <algorithm>

#include "on_fake.h"

namespace corvanta {
namespace {

struct Started : testing::OnFake {
  explicit Started(const std::string& command, bool another = false,
                   std::optional<std::string> clip = {}) {
    kit.another_instance = another;
    kit.clipboard = std::move(clip);
    kit.host_windows[1234] = {0, 0, 152, 112};
    Start(command);
  }
};

TEST(Dispatch, ShowRunsForAnyCaseAndAnyTail) {
  for (const char* command : {"/S", "/s", "/Sxyz"}) {
    Started s(command);
    EXPECT_EQ(s.main().strMode, "/S") << command;
    EXPECT_TRUE(s.m->form.shown) << command;
    EXPECT_TRUE(s.m->form.maximized) << command;
    EXPECT_EQ(s.m->form.caption, "Screen Saver") << command;
    EXPECT_FALSE(s.m->form.unloaded) << command;
    EXPECT_FALSE(s.kit.clipboard.has_value()) << "the show clears the clipboard";
  }
}

TEST(Dispatch, SettingsOpensTheDialogThenCloses) {
  for (const char* command : {"/c:1234", "/c 99", "/C"}) {
    Started s(command);
    EXPECT_EQ(s.main().strMode, "/C");
    EXPECT_TRUE(s.kit.dialog_shown) << command;
    EXPECT_TRUE(s.m->form.unloaded) << command;
    EXPECT_FALSE(s.m->form.shown) << command;
    EXPECT_EQ(s.kit.beeps, 0);
  }
}

TEST(Dispatch, UnknownSwitchesEndSilently) {
  const std::pair<const char*, const char*> cases[] = {
      {" /s", " /"}, {"", ""}, {"/x", "/X"}, {"s", "S"}, {"/", "/"}};
  for (const auto& [command, mode] : cases) {
    Started s(command);
    EXPECT_EQ(s.main().strMode, mode);
    EXPECT_TRUE(s.m->form.unloaded) << '"' << command << '"';
    EXPECT_FALSE(s.m->form.shown);
    EXPECT_FALSE(s.kit.dialog_shown);
    EXPECT_EQ(s.kit.beeps, 0);
  }
}

TEST(Dispatch, ChangePasswordOnlyBeepsOnce) {
  Started s("/a");
  EXPECT_EQ(s.main().strMode, "/A");
  EXPECT_EQ(s.kit.beeps, 1);
  EXPECT_TRUE(s.m->form.unloaded);
  EXPECT_FALSE(s.kit.dialog_shown);
  EXPECT_EQ(s.m->UnloadHandlerRuns(), 1);
}

TEST(Dispatch, PreviewMarksTheClipboardAndEmbeds) {
  Started s("/p 1234");
  EXPECT_EQ(s.main().strMode, "/P");
  EXPECT_EQ(s.main().bPreview, kTrue);
  EXPECT_EQ(s.main().hwndPreview, 1234);
  EXPECT_EQ(s.kit.clipboard, "Priview");
  EXPECT_FALSE(s.m->form.unloaded);
}

TEST(Dispatch, PreviewWithoutAWindowEndsAtOnce) {
  for (const char* command : {"/p", "/p 0", "/p 999", "/p -5", "/p 99999999999"}) {
    Started s(command);
    EXPECT_TRUE(s.m->form.unloaded) << command;
    EXPECT_EQ(s.m->UnloadHandlerRuns(), 1);
    EXPECT_EQ(std::count(s.kit.calls.begin(), s.kit.calls.end(), "SetParent(4096, 0)"), 0);
  }
}

TEST(InstanceGuard, RefusesOnlyWhenAnotherRunsWithoutTheMarker) {
  struct Case {
    bool another;
    std::optional<std::string> clip;
    bool refused;
  } cases[] = {{false, {}, false},
               {false, "anything", false},
               {true, "Priview", false},
               {true, "priview", true},
               {true, {}, true},
               {true, "Priview ", true}};
  for (const Case& c : cases) {
    Started s("/c", c.another, c.clip);
    EXPECT_EQ(s.kit.dialog_shown, !c.refused) << c.another << " " << c.clip.value_or("<none>");
    EXPECT_TRUE(s.m->form.unloaded);
    // A refused start closes before the switch is even read.
    EXPECT_EQ(s.main().strMode, c.refused ? "" : "/C");
  }
}

TEST(InstanceGuard, AsksBothQuestionsAndLoadsTheSpeedFirst) {
  Started s("/s", false, "x");
  const auto& calls = s.kit.calls;
  EXPECT_NE(std::find(calls.begin(), calls.end(), "PrevInstance()"), calls.end());
  EXPECT_NE(std::find(calls.begin(), calls.end(), "ClipboardGetText()"), calls.end());
  Started refused("/s", true, {});
  EXPECT_EQ(refused.main().sngStep, 200) << "speed and step are set before the guard";
  EXPECT_EQ(refused.main().iBallSpeed, 1);
}

}  // namespace
}  // namespace corvanta
