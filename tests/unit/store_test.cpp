// The ball speed in the per-user store: loading with its fallbacks, saving from the dialog.

#include <gtest/gtest.h>

#include "on_fake.h"

namespace corvanta {
namespace {

using fake::DialogAction;
using fake::FakeToolkit;

constexpr const char* kEntry = "Corvanta Screen Saver/Settings/BALL_SPEED";

struct Loaded : testing::OnFake {
  explicit Loaded(std::optional<std::string> stored, const char* command = "/x",
                  const Arrange& arrange = {}) {
    if (stored) kit.store.entries[kEntry] = *stored;
    if (arrange) arrange(kit);
    Start(command);
  }
};

TEST(LoadBallSpeed, EmptyStoreGivesMediumAndStaysEmpty) {
  Loaded l(std::nullopt);
  EXPECT_EQ(l.main().iBallSpeed, 1);
  EXPECT_EQ(l.main().sngStep, 200);
  EXPECT_TRUE(l.kit.store.entries.empty());
}

TEST(LoadBallSpeed, StoredChoicesSetTheStep) {
  const std::pair<const char*, float> cases[] = {{"0", 400}, {"1", 200}, {"2", 100}};
  for (const auto& [text, step] : cases) {
    Loaded l(text);
    EXPECT_EQ(l.main().iBallSpeed, text[0] - '0');
    EXPECT_EQ(l.main().sngStep, step);
  }
}

TEST(LoadBallSpeed, NumbersOutsideTheListAreKeptAndPacedAsMedium) {
  const std::pair<const char*, int> cases[] = {{"7", 7}, {"-1", -1}, {" 2 ", 2}, {"2.5", 2},
                                               {"1.5", 2}, {"-32768", -32768}, {"1e1", 10}};
  for (const auto& [text, speed] : cases) {
    Loaded l(text);
    EXPECT_EQ(l.main().iBallSpeed, speed) << '"' << text << '"';
    if (speed < 0 || speed > 2) {
      EXPECT_EQ(l.main().sngStep, 200) << text;
    }
  }
}

TEST(LoadBallSpeed, AnythingElseGivesMediumAndIsLeftAlone) {
  const std::string cases[] = {"", "fast", "70000", "-32769", "1e99999", "NaN", "inf", "0x1",
                               "1,5", std::string("1\0", 2), std::string(1 << 20, '9'),
                               "\xff\xfe", "2 2", "--1", "+"};
  for (const std::string& text : cases) {
    Loaded l(text);
    EXPECT_EQ(l.main().iBallSpeed, 1) << '"' << text.substr(0, 20) << '"';
    EXPECT_EQ(l.kit.store.entries.at(kEntry), text) << "nothing is written back";
  }
}

TEST(LoadBallSpeed, MegabytesOfLeadingZerosStillReadTheNumber) {
  Loaded l(std::string(1 << 20, '0') + "2");
  EXPECT_EQ(l.main().iBallSpeed, 2);
}

TEST(SettingsDialog, PreselectsTheStoredChoiceAndShowsTheVersion) {
  const std::pair<const char*, int> cases[] = {{"0", 0}, {"1", 1}, {"2", 2}, {"5", 0}, {"-1", 0}};
  for (const auto& [stored, selected] : cases) {
    Loaded l(stored, "/c");
    EXPECT_EQ(l.kit.dialog_combo.index, selected) << stored;
    EXPECT_EQ(l.kit.dialog_label6.caption, "Version " CORVANTA_VERSION_TEXT) << stored;
  }
  // The label is written from the program's version, not left as designed.
  Loaded other("1", "/c", [](FakeToolkit& k) { k.version = {3, 14, 159}; });
  EXPECT_EQ(other.kit.dialog_label6.caption, "Version 3.14.159");
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
    Loaded l(c.stored, "/c", [&](FakeToolkit& k) {
      k.dialog_pick = c.pick;
      k.dialog_action = c.action;
    });
    EXPECT_EQ(l.kit.store.entries[kEntry], c.expected ? c.expected : c.stored) << c.stored;
    if (c.expected) {
      EXPECT_EQ(l.main().iBallSpeed, c.expected[0] - '0');
    }
    EXPECT_TRUE(l.Closed());
    EXPECT_TRUE(l.kit.ended) << "no window is left";
  }
}

TEST(SettingsDialog, ARefusedWriteLeavesFastInMemoryAndTheStoreUnchanged) {
  Loaded l("1", "/c", [](FakeToolkit& k) {
    k.store.refuse_writes = true;
    k.dialog_pick = 2;
    k.dialog_action = DialogAction::kOk;
  });
  EXPECT_EQ(l.main().iBallSpeed, 0);
  EXPECT_EQ(l.kit.store.entries[kEntry], "1");
  EXPECT_TRUE(l.Closed());
}

}  // namespace
}  // namespace corvanta
