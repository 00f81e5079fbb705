// The ball speed in the per-user store: loading with its fallbacks, saving from the dialog.

#include <gtest/gtest.h>

#include "fake/fake_toolkit.h"
#include "test_sheet.h"

namespace corvanta {
namespace {

using fake::DialogAction;
using fake::FakeMain;
using fake::FakeToolkit;

constexpr const char* kEntry = "Corvanta Screen Saver/Settings/BALL_SPEED";

struct Loaded {
  explicit Loaded(std::optional<std::string> stored, const char* command = "/x") {
    if (stored) kit.store.entries[kEntry] = *stored;
    kit.command = command;
    m.Load();
  }
  Picture sheet = testing::TestSheet();
  FakeToolkit kit;
  FakeMain m{kit, sheet};
};

TEST(LoadBallSpeed, EmptyStoreGivesMediumAndStaysEmpty) {
  Loaded l(std::nullopt);
  EXPECT_EQ(l.m.main.iBallSpeed, 1);
  EXPECT_EQ(l.m.main.sngStep, 200);
  EXPECT_TRUE(l.kit.store.entries.empty());
}

TEST(LoadBallSpeed, StoredChoicesSetTheStep) {
  const std::pair<const char*, float> cases[] = {{"0", 400}, {"1", 200}, {"2", 100}};
  for (const auto& [text, step] : cases) {
    Loaded l(text);
    EXPECT_EQ(l.m.main.iBallSpeed, text[0] - '0');
    EXPECT_EQ(l.m.main.sngStep, step);
  }
}

TEST(LoadBallSpeed, NumbersOutsideTheListAreKeptAndPacedAsMedium) {
  const std::pair<const char*, int> cases[] = {{"7", 7}, {"-1", -1}, {" 2 ", 2}, {"2.5", 2},
                                               {"1.5", 2}, {"-32768", -32768}, {"1e1", 10}};
  for (const auto& [text, speed] : cases) {
    Loaded l(text);
    EXPECT_EQ(l.m.main.iBallSpeed, speed) << '"' << text << '"';
    if (speed < 0 || speed > 2) {
      EXPECT_EQ(l.m.main.sngStep, 200) << text;
    }
  }
}

TEST(LoadBallSpeed, AnythingElseGivesMediumAndIsLeftAlone) {
  const std::string cases[] = {"", "fast", "70000", "-32769", "1e99999", "NaN", "inf", "0x1",
                               "1,5", std::string("1\0", 2), std::string(1 << 20, '9'),
                               "\xff\xfe", "2 2", "--1", "+"};
  for (const std::string& text : cases) {
    Loaded l(text);
    EXPECT_EQ(l.m.main.iBallSpeed, 1) << '"' << text.substr(0, 20) << '"';
    EXPECT_EQ(l.kit.store.entries.at(kEntry), text) << "nothing is written back";
  }
}

TEST(LoadBallSpeed, MegabytesOfLeadingZerosStillReadTheNumber) {
  Loaded l(std::string(1 << 20, '0') + "2");
  EXPECT_EQ(l.m.main.iBallSpeed, 2);
}

TEST(SettingsDialog, PreselectsTheStoredChoiceAndShowsTheVersion) {
  const std::pair<const char*, int> cases[] = {{"0", 0}, {"1", 1}, {"2", 2}, {"5", 0}, {"-1", 0}};
  for (const auto& [stored, selected] : cases) {
    Loaded l(stored, "/c");
    EXPECT_EQ(l.kit.dialog_combo.index, selected) << stored;
    EXPECT_EQ(l.kit.dialog_label6.caption, "Version 1.2.0") << stored;
  }
}

TEST(SettingsDialog, OkStoresTheSelectionCancelAndCloseStoreNothing) {
  struct Case {
    const char* stored;
    std::optional<std::int16_t> pick;
    DialogAction action;
    const char* expected;  // nullptr: the entry stays as it was
  } cases[] = {
      {"1", 2, DialogAction::kOk, "2"},     {"2", {}, DialogAction::kOk, "2"},
      {"5", {}, DialogAction::kOk, "0"},    {"-1", {}, DialogAction::kOk, "0"},
      {"1", -1, DialogAction::kOk, "0"},    {"0", 2, DialogAction::kCancel, nullptr},
      {"0", 2, DialogAction::kCloseBox, nullptr},
  };
  for (const Case& c : cases) {
    FakeToolkit kit;
    kit.store.entries[kEntry] = c.stored;
    kit.command = "/c";
    kit.dialog_pick = c.pick;
    kit.dialog_action = c.action;
    Picture sheet = testing::TestSheet();
    FakeMain m(kit, sheet);
    m.Load();
    EXPECT_EQ(kit.store.entries[kEntry], c.expected ? c.expected : c.stored) << c.stored;
    if (c.expected) {
      EXPECT_EQ(m.main.iBallSpeed, c.expected[0] - '0');
    }
    EXPECT_TRUE(m.form.unloaded);
  }
}

TEST(SettingsDialog, ARefusedWriteLeavesFastInMemoryAndTheStoreUnchanged) {
  FakeToolkit kit;
  kit.store.entries[kEntry] = "1";
  kit.store.refuse_writes = true;
  kit.command = "/c";
  kit.dialog_pick = 2;
  kit.dialog_action = DialogAction::kOk;
  Picture sheet = testing::TestSheet();
  FakeMain m(kit, sheet);
  m.Load();
  EXPECT_EQ(m.main.iBallSpeed, 0);
  EXPECT_EQ(kit.store.entries[kEntry], "1");
  EXPECT_TRUE(m.form.unloaded);
}

}  // namespace
}  // namespace corvanta
